#include "tools/can_check_window.h"

#include "calc/common/input_error.h"
#include "calc/physics/can_check.h"
#include "tools/can_drawing.h"
#include "tools/result_grid.h"
#include "tools/tool_colours.h"
#include "tools/tool_form.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QVBoxLayout>

namespace dishwright {
namespace {
enum Row { Te11, Tm01, GuideWavelength, ProbePosition, ProbeLength, ShortestCan };
}

CanCheckWindow::CanCheckWindow(const DesignSeed &seed, QWidget *parent)
    : QWidget(parent, Qt::Window), results_(new ResultGrid), drawing_(new CanDrawing) {
  setWindowTitle(tr("Check a can"));
  auto *form = new QFormLayout;
  diameter_ = new QLineEdit;
  diameter_->setAccessibleName(tr("inside diameter"));
  unit_ = makeUnitChooser(seed.metric ? LengthUnit::Cm : LengthUnit::Inch, this);
  auto *sizeRow = new QHBoxLayout;
  sizeRow->addWidget(diameter_, 1);
  sizeRow->addWidget(unit_);
  auto *diameterLabel = new QLabel(tr("Inside &diameter:"));
  diameterLabel->setBuddy(diameter_);
  form->addRow(diameterLabel, sizeRow);
  frequency_ = addNumberField(form, tr("&Frequency, MHz:"), tr("frequency"));
  if (seed.frequencyMHz > 0)
    frequency_->setText(QString::number(seed.frequencyMHz, 'g', 10));
  message_ = makeMessageLabel(this);
  warnings_ = makeMessageLabel(this);
  warnings_->setAccessibleName(tr("warnings"));
  results_->addRow(tr("TE11 cutoff"), tr("below this frequency the can carries nothing"));
  results_->addRow(tr("TM01 cutoff"), tr("above this a second mode can spoil the pattern"));
  results_->addRow(tr("Guide wavelength"), tr("the wavelength inside the can, longer than in air"));
  results_->addRow(tr("Probe position"), tr("from the closed back to the probe, a quarter of the "
                                            "guide wavelength"));
  results_->addRow(tr("Probe length"), tr("a quarter of the wavelength in air"));
  results_->addRow(tr("Shortest can"),
                   tr("three quarters of the guide wavelength; longer is fine"));

  auto *layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(message_);
  layout->addWidget(results_);
  layout->addWidget(warnings_);
  layout->addWidget(drawing_, 1);

  // The unit chooser exists before the fields it sits between.
  setTabOrder(diameter_, unit_);
  setTabOrder(unit_, frequency_);
  connect(diameter_, &QLineEdit::textChanged, this, &CanCheckWindow::update);
  connect(frequency_, &QLineEdit::textChanged, this, &CanCheckWindow::update);
  connect(unit_, &QComboBox::currentIndexChanged, this, &CanCheckWindow::update);
  connect(new QShortcut(QKeySequence::Close, this), &QShortcut::activated, this, &QWidget::close);
  connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);
  update();
}

void CanCheckWindow::update() {
  results_->clearValues();
  warnings_->clear();
  const LengthUnit unit = chosenUnit(unit_);
  std::optional<CanCheck> can;
  double diameter = 0;
  try {
    const auto typedDiameter = typedValue(diameter_, "diameter");
    const auto frequency = typedValue(frequency_, "frequency");
    if (!typedDiameter || !frequency) {
      showHint(message_, tr("Measure the can inside, across its open end, and type the frequency "
                            "it is to feed."));
    } else {
      diameter = *typedDiameter;
      can = checkCan(diameter, unit, *frequency);
      showHint(message_, QString());
    }
  } catch (const InputError &e) {
    showError(message_, QString::fromUtf8(e.what()));
  }
  if (can) {
    const QString symbol = unitSymbol(unit);
    results_->setValue(Te11, figure(can->te11CutoffMHz, tr("MHz")));
    results_->setValue(Tm01, figure(can->tm01CutoffMHz, tr("MHz")));
    results_->setValue(GuideWavelength, figure(can->guideWavelength, symbol));
    results_->setValue(ProbePosition, figure(can->probePosition, symbol));
    results_->setValue(ProbeLength, figure(can->probeLength, symbol));
    results_->setValue(ShortestCan, figure(can->shortestCan, symbol));
    QStringList lines;
    for (const std::string &warning : canWarnings(*can))
      lines << tr("Warning: %1.").arg(QString::fromStdString(warning));
    if (!lines.isEmpty()) {
      QPalette palette = warnings_->palette();
      palette.setColor(QPalette::WindowText, errorColour(palette));
      warnings_->setPalette(palette);
      warnings_->setText(lines.join(QLatin1Char('\n')));
    }
  }
  drawing_->setCan(diameter, can, unitSymbol(unit));
}

} // namespace dishwright
