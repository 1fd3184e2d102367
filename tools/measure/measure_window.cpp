#include "tools/measure/measure_window.h"

#include "tools/kit/named_combo_box.h"

#include "calc/common/units.h"
#include "tools/feed/feed_window.h"
#include "tools/kit/tool_form.h"
#include "tools/kit/tool_state.h"
#include "tools/measure/offset_page.h"
#include "tools/measure/prime_focus_page.h"
#include "tools/measure/surface_page.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

namespace dishwright {
namespace {

bool askInABox(QWidget *over, const QString &question) {
  QMessageBox box(QMessageBox::Question, over->windowTitle(), question, QMessageBox::Cancel, over);
  QPushButton *discard = box.addButton(QObject::tr("&Discard"), QMessageBox::DestructiveRole);
  box.setDefaultButton(QMessageBox::Cancel);
  box.exec(); // the window waits for the answer
  return box.clickedButton() == discard;
}

} // namespace

MeasureWindow::MeasureWindow(const DesignSeed &seed, QWidget *parent)
    : QWidget(parent, Qt::Window), seed_(seed), askToClose_(askInABox) {
  useNamedComboBoxes();
  setWindowTitle(tr("Measure a dish"));
  const LengthUnit unit = smallUnitOf(seed.unit);
  unit_ = makeUnitChooser(unit, this);
  auto *unitLabel = new QLabel(tr("Uni&t of every size:"), this);
  unitLabel->setBuddy(unit_);
  tabs_ = new QTabWidget(this);
  prime_ = new PrimeFocusPage(unit);
  offset_ = new OffsetPage(unit);
  surface_ = new SurfacePage(unit, seed.frequencyMHz);
  tabs_->setAccessibleName(tr("kind of dish measured"));
  tabs_->addTab(prime_, tr("&Prime focus"));
  tabs_->addTab(offset_, tr("&Offset"));
  tabs_->addTab(surface_, tr("&Surface from points"));
  if (seed.diameter > 0)
    prime_->diameterField()->setText(
        QString::number(seed.diameter * smallUnitsPerUnit(seed.unit), 'g', 10));
  chosen_ = new QLabel(this);
  chosen_->setWordWrap(true);
  useFd_ = new QPushButton(tr("&Use this f/D"), this);
  useFd_->setAccessibleDescription(tr("puts the f/D shown into the design's f/D field"));
  feed_ = new QPushButton(tr("Feed fo&r this f/D..."), this);
  feed_->setAccessibleDescription(
      tr("opens Feed and efficiency on a dish of the f/D shown, to see how a feed lights it"));

  auto *top = new QHBoxLayout;
  top->addWidget(unitLabel);
  top->addWidget(unit_);
  top->addStretch();
  auto *bottom = new QHBoxLayout;
  bottom->addWidget(chosen_, 1);
  bottom->addWidget(useFd_);
  bottom->addWidget(feed_);
  auto *layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(tabs_, 1);
  layout->addLayout(bottom);

  connect(unit_, &QComboBox::currentIndexChanged, this, [this] {
    const LengthUnit chosen = chosenUnit(unit_);
    prime_->setUnit(chosen);
    offset_->setUnit(chosen);
    surface_->setUnit(chosen);
  });
  connect(prime_, &PrimeFocusPage::resultChanged, this, &MeasureWindow::updateUseButton);
  connect(offset_, &OffsetPage::resultChanged, this, &MeasureWindow::updateUseButton);
  connect(surface_, &SurfacePage::resultChanged, this, &MeasureWindow::updateUseButton);
  connect(tabs_, &QTabWidget::currentChanged, this, &MeasureWindow::updateUseButton);
  connect(useFd_, &QPushButton::clicked, this, [this] {
    if (const auto dish = shownDish())
      emit fdChosen(dish->fd);
  });
  connect(feed_, &QPushButton::clicked, this, &MeasureWindow::openFeedWindow);
  prime_->diameterField()->setFocus(); // typing goes into the first size at once
  connect(new QShortcut(QKeySequence::Close, this), &QShortcut::activated, this, &QWidget::close);
  connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);
  auto *state = new ToolState(this);
  state->add(QStringLiteral("unit"), unit_);
  state->add(QStringLiteral("page"), tabs_);
  updateUseButton();
}

std::size_t MeasureWindow::enteredPointCount() const { return surface_->enteredPointCount(); }

void MeasureWindow::closeEvent(QCloseEvent *event) {
  const std::size_t points = enteredPointCount();
  if (points == 0 || discardAgreed_ ||
      askToClose_(this, points == 1 ? tr("Close and discard the 1 measured point?")
                                    : tr("Close and discard the %1 measured points?").arg(points)))
    event->accept();
  else
    event->ignore();
}

std::optional<MeasuredDish> MeasureWindow::shownDish() const {
  if (tabs_->currentWidget() == prime_)
    return prime_->measured();
  if (tabs_->currentWidget() == offset_)
    return offset_->measured();
  return surface_->measured();
}

void MeasureWindow::updateUseButton() {
  const auto dish = shownDish();
  useFd_->setEnabled(dish.has_value());
  feed_->setEnabled(dish.has_value());
  chosen_->setText(dish ? tr("f/D %1 can go into the design.").arg(figure(dish->fd))
                        : tr("Once the sizes make a dish, its f/D can go into the design."));
}

// The feed window works on the dish in hand, not the design's: its gain is this
// dish's (a 73 cm wide offset dish gives 4.3 dB less than a 1.2 m design).
void MeasureWindow::openFeedWindow() {
  const auto dish = shownDish();
  if (!dish)
    return;
  DesignSeed seed = seed_;
  seed.fd = dish->fd;
  seed.diameter = dishUnitLength(dish->diameter, dish->unit);
  seed.unit = dishSizeUnit(isMetric(dish->unit));
  auto *window = new FeedWindow(seed);
  if (tabs_->currentWidget() == offset_ && offset_->offsetDish())
    window->showOffsetDish(*offset_->offsetDish(), dish->unit, dish->which);
  else
    window->showDish(seed.diameter, seed.unit, dish->which);
  window->setAttribute(Qt::WA_DeleteOnClose);
  emit feedWindowOpened(window, seed);
  window->show();
  window->raise();
  window->activateWindow();
}

} // namespace dishwright
