#include "screen_set.h"

#include "calc_error.h"
#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "form5.h"
#include "form6.h"
#include "input_step.h"
#include "screen_printer.h"
#include "web_screen.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrinter>
#include <QUrl>

// The pictures are compiled into this library; a static library must register them.
static void registerPictures() { Q_INIT_RESOURCE(art); }

namespace dishwright {
namespace {

enum class Action {
  Feet,        // store the inputs, show the imperial calculation screen
  Meters,      // store the inputs, show the metric calculation screen
  Show,        // show the target screen
  Exit,        // end the program at once
  Print,       // print this screen
  OpenWebPage, // ask the desktop to open the author's page
};

struct Route {
  ScreenId screen;
  const char *control;
  Action action;
  ScreenId target;
};

// Every button and the one clickable label.
constexpr Route kRoutes[] = {
    {ScreenId::Form1, "Command1", Action::Feet, ScreenId::Form2},
    {ScreenId::Form1, "Command2", Action::Meters, ScreenId::Form3},
    {ScreenId::Form2, "Command1", Action::Show, ScreenId::Web},
    {ScreenId::Form2, "Command2", Action::Show, ScreenId::Form4},
    {ScreenId::Form2, "Command3", Action::Show, ScreenId::Form1},
    {ScreenId::Form2, "Command4", Action::Exit, ScreenId::Form2},
    {ScreenId::Form2, "Command5", Action::Show, ScreenId::Form5},
    {ScreenId::Form3, "Command1", Action::Show, ScreenId::Web},
    {ScreenId::Form3, "Command2", Action::Show, ScreenId::Form4},
    {ScreenId::Form3, "Command3", Action::Show, ScreenId::Form1},
    {ScreenId::Form3, "Command4", Action::Exit, ScreenId::Form3},
    {ScreenId::Form3, "Command5", Action::Show, ScreenId::Form6},
    {ScreenId::Form5, "Command1", Action::Exit, ScreenId::Form5},
    {ScreenId::Form5, "Command2", Action::Print, ScreenId::Form5},
    {ScreenId::Form6, "Command1", Action::Print, ScreenId::Form6},
    {ScreenId::Form6, "Command2", Action::Exit, ScreenId::Form6},
    {ScreenId::Web, "lblWebPage", Action::OpenWebPage, ScreenId::Web},
};

std::unique_ptr<Screen> makeScreen(ScreenId id) {
  switch (id) {
  case ScreenId::Form1:
    return std::make_unique<Form1>();
  case ScreenId::Form2:
    return std::make_unique<Form2>();
  case ScreenId::Form3:
    return std::make_unique<Form3>();
  case ScreenId::Form4:
    return std::make_unique<Form4>();
  case ScreenId::Form5:
    return std::make_unique<Form5>();
  case ScreenId::Form6:
    return std::make_unique<Form6>();
  case ScreenId::Web:
    return std::make_unique<WebScreen>();
  }
  return nullptr;
}

struct BusyCursor {
  BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor &) = delete;
  BusyCursor &operator=(const BusyCursor &) = delete;
};

QString failureMessage(ErrorKind kind) {
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

} // namespace

ScreenSet::ScreenSet()
    : report_([](const QString &message) {
        QMessageBox::critical(nullptr, QStringLiteral("dishwright"), message);
      }),
      exit_([] { QCoreApplication::exit(0); }), printer_(defaultPrinter) {
  registerPictures();
}

ScreenSet::~ScreenSet() = default;

bool ScreenSet::isLoaded(ScreenId id) const {
  const Screen *s = screen(id);
  return s && s->isLoaded();
}

void ScreenSet::show(ScreenId id) {
  auto &slot = screens_[index(id)];
  if (!slot) {
    slot = makeScreen(id);
    connect(slot.get(), &Screen::clicked, this,
            [this, id](const QString &control) { onClicked(id, control); });
    connect(slot.get(), &Screen::closedByUser, this, [this, id] { onClosed(id); });
  }
  if (!slot->isLoaded()) {
    try {
      BusyCursor busy; // long listings take seconds
      slot->load(values_);
    } catch (const CalcError &e) {
      slot->unload();
      report_(failureMessage(e.kind()));
      return;
    }
  }
  slot->bringToFront();
}

void ScreenSet::onClicked(ScreenId id, const QString &control) {
  for (const Route &route : kRoutes) {
    if (route.screen != id || control != QLatin1String(route.control))
      continue;
    switch (route.action) {
    case Action::Feet:
    case Action::Meters:
      storeInputsThenShow(route.target);
      break;
    case Action::Show:
      show(route.target);
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

void ScreenSet::storeInputsThenShow(ScreenId target) {
  const Screen *input = screen(ScreenId::Form1);
  try {
    storeInputs(values_, input->text("Text6").toStdString(), input->text("Text8").toStdString(),
                input->text("Text10").toStdString());
  } catch (const CalcError &e) {
    report_(failureMessage(e.kind()));
    return;
  }
  show(target);
}

void ScreenSet::onClosed(ScreenId id) {
  screens_[index(id)]->unload();
  for (const auto &s : screens_)
    if (s && s->isLoaded())
      return;
  exit_();
}

void ScreenSet::endProgram() {
  for (const auto &s : screens_)
    if (s)
      s->unload();
  exit_();
}

void ScreenSet::printScreen(ScreenId id) {
  std::unique_ptr<QPrinter> printer = printer_ ? printer_() : nullptr;
  QString failure = printer ? printWindow(*screen(id)->window(), *printer)
                            : QStringLiteral("No printers are installed.");
  if (!failure.isEmpty())
    report_(failure);
}

void ScreenSet::openWebPage() {
  const QUrl page(webPageAddress() + QLatin1Char('/'));
  if (!QDesktopServices::openUrl(page))
    report_(QStringLiteral("The web page %1 could not be opened.").arg(page.toString()));
}

} // namespace dishwright
