#include "tools/measure_window.h"

#include "tools/named_combo_box.h"

#include "calc/common/units.h"
#include "tools/feed_window.h"
#include "tools/offset_page.h"
#include "tools/prime_focus_page.h"
#include "tools/surface_page.h"
#include "tools/tool_form.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

namespace dishwright {
MeasureWindow::MeasureWindow(const DesignSeed &seed, QWidget *parent)
    : QWidget(parent, Qt::Window), seed_(seed) {
  useNamedComboBoxes();
  setWindowTitle(tr("Measure a dish"));
  const LengthUnit unit = seed.metric ? LengthUnit::Mm : LengthUnit::Inch;
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
        QString::number(seed.diameter * (seed.metric ? kMmPerMetre : kInchesPerFoot), 'g', 10));
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
    if (const auto fd = shownFd())
      emit fdChosen(*fd);
  });
  connect(feed_, &QPushButton::clicked, this, &MeasureWindow::openFeedWindow);
  prime_->diameterField()->setFocus(); // typing goes into the first size at once
  connect(new QShortcut(QKeySequence::Close, this), &QShortcut::activated, this, &QWidget::close);
  connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);
  updateUseButton();
}

std::size_t MeasureWindow::enteredPointCount() const { return surface_->enteredPointCount(); }

std::optional<double> MeasureWindow::shownFd() const {
  if (tabs_->currentWidget() == prime_)
    return prime_->fd();
  if (tabs_->currentWidget() == offset_)
    return offset_->fd();
  return surface_->fd();
}

void MeasureWindow::updateUseButton() {
  const auto fd = shownFd();
  useFd_->setEnabled(fd.has_value());
  feed_->setEnabled(fd.has_value());
  chosen_->setText(fd ? tr("f/D %1 can go into the design.").arg(figure(*fd))
                      : tr("Once the sizes make a dish, its f/D can go into the design."));
}

void MeasureWindow::openFeedWindow() {
  const auto fd = shownFd();
  if (!fd)
    return;
  DesignSeed seed = seed_;
  seed.fd = *fd;
  auto *window = new FeedWindow(seed);
  window->setAttribute(Qt::WA_DeleteOnClose);
  emit feedWindowOpened(window);
  window->show();
  window->raise();
  window->activateWindow();
}

} // namespace dishwright
