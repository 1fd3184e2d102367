#include "screens/screen_set.h"

#include "calc/screen_rules/calc_error.h"
#include "calc/screen_rules/input_step.h"
#include "print/screen_printer.h"
#include "screens/calculation_screen.h"
#include "screens/coffee_can_screen.h"
#include "screens/input_screen.h"
#include "screens/print_screen.h"
#include "screens/web_screen.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QListView>
#include <QMessageBox>
#include <QPrinter>
#include <QProgressDialog>
#include <QRect>
#include <QUrl>

namespace dishwright {
namespace {

enum class Action {
  StoreInputsThenOpen, // store the inputs, then show the target computed from them
  OpenStoredDesign,    // show the target computed from the design stored last
  Open,                // open the target screen
  OpenListing,         // open the target print screen with this screen's design
  Exit,                // end the program at once
  Print,               // print this screen
  OpenWebPage,         // ask the desktop to open the author's page
};

struct Route {
  ScreenId screen;
  Command command;
  Action action;
  ScreenId target;
};

// Every button and the one clickable label.
constexpr Route kRoutes[] = {
    {ScreenId::Input, Command::Feet, Action::StoreInputsThenOpen, ScreenId::ImperialCalculation},
    {ScreenId::Input, Command::Meters, Action::StoreInputsThenOpen, ScreenId::MetricCalculation},
    {ScreenId::ImperialCalculation, Command::Website, Action::Open, ScreenId::WebLink},
    {ScreenId::ImperialCalculation, Command::CoffeeCan, Action::OpenStoredDesign,
     ScreenId::CoffeeCan},
    {ScreenId::ImperialCalculation, Command::Return, Action::Open, ScreenId::Input},
    {ScreenId::ImperialCalculation, Command::Exit, Action::Exit, ScreenId::ImperialCalculation},
    {ScreenId::ImperialCalculation, Command::PrintList, Action::OpenListing,
     ScreenId::ImperialPrint},
    {ScreenId::MetricCalculation, Command::Website, Action::Open, ScreenId::WebLink},
    {ScreenId::MetricCalculation, Command::CoffeeCan, Action::OpenStoredDesign,
     ScreenId::CoffeeCan},
    {ScreenId::MetricCalculation, Command::Return, Action::Open, ScreenId::Input},
    {ScreenId::MetricCalculation, Command::Exit, Action::Exit, ScreenId::MetricCalculation},
    {ScreenId::MetricCalculation, Command::PrintList, Action::OpenListing, ScreenId::MetricPrint},
    {ScreenId::ImperialPrint, Command::Exit, Action::Exit, ScreenId::ImperialPrint},
    {ScreenId::ImperialPrint, Command::Print, Action::Print, ScreenId::ImperialPrint},
    {ScreenId::MetricPrint, Command::Print, Action::Print, ScreenId::MetricPrint},
    {ScreenId::MetricPrint, Command::Exit, Action::Exit, ScreenId::MetricPrint},
    {ScreenId::WebLink, Command::OpenLink, Action::OpenWebPage, ScreenId::WebLink},
};

std::unique_ptr<Screen> makeScreen(ScreenId id) {
  switch (id) {
  case ScreenId::Input:
    return std::make_unique<InputScreen>();
  case ScreenId::ImperialCalculation:
    return std::make_unique<CalculationScreen>(CalculationScreen::Units::Imperial);
  case ScreenId::MetricCalculation:
    return std::make_unique<CalculationScreen>(CalculationScreen::Units::Metric);
  case ScreenId::CoffeeCan:
    return std::make_unique<CoffeeCanScreen>();
  case ScreenId::ImperialPrint:
    return std::make_unique<PrintScreen>(PrintScreen::Units::Imperial);
  case ScreenId::MetricPrint:
    return std::make_unique<PrintScreen>(PrintScreen::Units::Metric);
  case ScreenId::WebLink:
    return std::make_unique<WebScreen>();
  }
  return nullptr;
}

// Whether a screen loaded with `shown` shows the figures of `wanted`: the can
// reads only the frequency, the other screens all three inputs.
bool showsDesign(ScreenId id, const DesignValues &shown, const DesignValues &wanted) {
  if (id == ScreenId::CoffeeCan)
    return shown.freq == wanted.freq;
  return shown.fd == wanted.fd && shown.dia == wanted.dia && shown.freq == wanted.freq;
}

struct BusyCursor {
  BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor &) = delete;
  BusyCursor &operator=(const BusyCursor &) = delete;
};

QString kindTitle(ErrorKind kind) {
  switch (kind) {
  case ErrorKind::TypeMismatch:
    return QStringLiteral("Type mismatch");
  case ErrorKind::Overflow:
    return QStringLiteral("Overflow");
  case ErrorKind::DivisionByZero:
    return QStringLiteral("Division by zero");
  case ErrorKind::InvalidArgument:
    return QStringLiteral("Invalid procedure call or argument");
  }
  return QStringLiteral("Error");
}

// `The diameter "abc" is not a number (Type mismatch).`, or `Division by zero while
// working out the mesh size: the frequency is 0 MHz.`: the field or the figure,
// the inputs, and the kind's own name.
QString failureMessage(const CalcError &e) {
  QString title = kindTitle(e.kind());
  QString detail = QString::fromStdString(e.detail());
  if (detail.isEmpty())
    return title;
  if (e.readingField())
    return detail.left(1).toUpper() + detail.mid(1) + QStringLiteral(" (") + title +
           QStringLiteral(").");
  return title + QLatin1Char(' ') + detail + QLatin1Char('.');
}

void showFailure(QWidget *over, const QString &message) {
  QMessageBox box(QMessageBox::Critical, QStringLiteral("dishwright"), message, QMessageBox::Ok,
                  over);
  if (over)
    box.setWindowModality(Qt::WindowModal); // this screen waits; the others go on
  box.exec();
}

} // namespace

ScreenSet::ScreenSet()
    : report_(showFailure), exit_([] { QCoreApplication::exit(0); }), printer_(defaultPrinter) {}

ScreenSet::~ScreenSet() = default;

bool ScreenSet::isLoaded(ScreenId id) const {
  const Screen *s = screen(id);
  return s && s->isLoaded();
}

void ScreenSet::openScreen(ScreenId id) { openScreen(id, values_); }

void ScreenSet::openScreen(ScreenId id, DesignValues &design) {
  auto &slot = screens_[index(id)];
  if (!slot) {
    slot = makeScreen(id);
    connect(slot.get(), &Screen::clicked, this,
            [this, id](Command command) { onClicked(id, command); });
    connect(slot.get(), &Screen::closedByUser, this, [this, id] { onClosed(id); });
    slot->setCloseGuard([this, id] { return mayClose(id); });
  }
  if (!slot->isLoaded()) {
    try {
      BusyCursor busy; // long listings take seconds
      slot->load(design);
    } catch (const CalcError &e) {
      slot->unload();
      report(failureMessage(e));
      return;
    }
    emit screenLoaded(id, slot->window());
  }
  slot->bringToFront();
}

// A builder who changed the inputs must never be left looking at the figures of
// the dish before: the screen is built again from the new design, where it was.
void ScreenSet::showDesign(ScreenId id, DesignValues &design) {
  if (Screen *shown = screen(id);
      shown && shown->isLoaded() && !showsDesign(id, shown->loadedWith(), design)) {
    const QRect place = shown->window()->geometry();
    shown->unload();
    openScreen(id, design);
    if (shown->isLoaded())
      shown->window()->setGeometry(place);
    return;
  }
  openScreen(id, design);
}

void ScreenSet::putInput(Field field, const QString &text) {
  openScreen(ScreenId::Input);
  if (Screen *input = screen(ScreenId::Input); input && input->isLoaded())
    input->setText(field, text.toStdString());
}

void ScreenSet::report(const QString &message) {
  const Screen *acting = screen(acting_);
  report_(acting && acting->isLoaded() ? acting->window() : nullptr, message);
}

void ScreenSet::onClicked(ScreenId id, Command command) {
  acting_ = id;
  for (const Route &route : kRoutes) {
    if (route.screen != id || route.command != command)
      continue;
    switch (route.action) {
    case Action::StoreInputsThenOpen:
      storeInputsThenOpen(route.target);
      break;
    case Action::OpenStoredDesign:
      showDesign(route.target, values_);
      break;
    case Action::Open:
      openScreen(route.target);
      break;
    case Action::OpenListing:
      openListing(id, route.target);
      break;
    case Action::Exit:
      endProgram();
      break;
    case Action::Print:
      printScreen(id);
      break;
    case Action::OpenWebPage:
      openWebPage();
      break;
    }
    return;
  }
}

void ScreenSet::storeInputsThenOpen(ScreenId target) {
  const Screen *input = screen(ScreenId::Input);
  try {
    storeInputs(values_, input->text(Field::FdRatio).toStdString(),
                input->text(Field::Diameter).toStdString(),
                input->text(Field::Frequency).toStdString());
  } catch (const CalcError &e) {
    report(failureMessage(e));
    return;
  }
  showDesign(target, values_);
}

// The listing of the dish the calculation screen shows, not of the inputs typed
// since: the print screen loads from a copy of the shared values holding the
// inputs that screen was loaded with. Still loaded with that dish, it only comes
// to the front.
void ScreenSet::openListing(ScreenId from, ScreenId target) {
  DesignValues design = values_;
  const DesignValues &shown = screen(from)->loadedWith();
  design.fd = shown.fd;
  design.dia = shown.dia;
  design.freq = shown.freq;
  showDesign(target, design);
}

void ScreenSet::onClosed(ScreenId id) {
  screens_[index(id)]->unload();
  for (const auto &s : screens_)
    if (s && s->isLoaded())
      return;
  exit_();
}

bool ScreenSet::mayClose(ScreenId id) const {
  const Screen *closing = screen(id);
  for (const auto &s : screens_)
    if (s && s.get() != closing && s->isLoaded())
      return true; // the program goes on
  return mayQuit(closing->window());
}

void ScreenSet::endProgram() {
  const Screen *acting = screen(acting_);
  quit(acting && acting->isLoaded() ? acting->window() : nullptr);
}

void ScreenSet::quit(QWidget *over) {
  if (!mayQuit(over))
    return;
  for (const auto &s : screens_)
    if (s)
      s->unload();
  exit_();
}

void ScreenSet::printScreen(ScreenId id) {
  const auto &s = static_cast<const PrintScreen &>(*screen(id));
  ListingJob job;
  job.window = s.clientArea(); // the screen as laid out, without the menu bar
  job.list = qobject_cast<const QListView *>(s.control(QStringLiteral("List1")));
  job.heading = s.heading();
  // A long listing shows its progress after a while and can be cancelled.
  QProgressDialog progress(QStringLiteral("Printing the listing"), QStringLiteral("Cancel"), 0, 1,
                           s.window());
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(progressAfterMs_);
  job.progress = [&progress](int page, int pages) {
    progress.setMaximum(pages);
    progress.setValue(page);
    return !progress.wasCanceled();
  };
  const QString failure = printProfile(job, printer_, printDialog_);
  if (!failure.isEmpty())
    report(failure);
}

void ScreenSet::openWebPage() {
  const QUrl page(webPageAddress() + QLatin1Char('/'));
  if (!QDesktopServices::openUrl(page))
    report(QStringLiteral("The web page %1 could not be opened.").arg(page.toString()));
}

} // namespace dishwright
