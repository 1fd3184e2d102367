#include "tools/can_check/can_check_window.h"

#include "calc/common/input_error.h"
#include "calc/physics/can_check.h"
#include "calc/screen_rules/calc_error.h"
#include "calc/screen_rules/coffee_can.h"
#include "tools/can_check/can_drawing.h"
#include "tools/kit/result_grid.h"
#include "tools/kit/tool_colours.h"
#include "tools/kit/tool_form.h"
#include "tools/kit/tool_state.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QVBoxLayout>

#include <map>

namespace dishwright {
namespace {
enum Row { Te11, Tm01, GuideWavelength, ProbePosition, ProbeLength, ShortestCan };
}

CanCheckWindow::CanCheckWindow(const DesignSeed &seed, QWidget *parent)
    : ToolPage(tr("Measure the can inside, across its open end, and type the frequency it is to "
                  "feed."),
               parent, Qt::Window),
      drawing_(new CanDrawing) {
  setWindowTitle(tr("Check a can"));
  auto *form = new QFormLayout;
  diameter_ = new QLineEdit;
  diameter_->setAccessibleName(tr("inside diameter"));
  unit_ = makeUnitChooser(isMetric(seed.unit) ? LengthUnit::Cm : LengthUnit::Inch, this);
  auto *sizeRow = new QHBoxLayout;
  sizeRow->addWidget(diameter_, 1);
  sizeRow->addWidget(unit_);
  auto *diameterLabel = new QLabel(tr("Inside &diameter:"));
  diameterLabel->setBuddy(diameter_);
  form->addRow(diameterLabel, sizeRow);
  frequency_ = addNumberField(form, tr("&Frequency, MHz:"), tr("frequency"));
  if (seed.frequencyMHz > 0)
    frequency_->setText(QString::number(seed.frequencyMHz, 'g', 10));
  warnings_ = makeMessageLabel(this);
  warnings_->setAccessibleName(tr("warnings about this can"));
  ruleOfThumb_ = makeMessageLabel(this);
  ruleOfThumb_->setAccessibleName(tr("the coffee-can screen's figures at this frequency"));
  results()->addRow(tr("TE11 cutoff"), tr("below this frequency the can carries nothing"));
  results()->addRow(tr("TM01 cutoff"), tr("above this a second mode can spoil the pattern"));
  results()->addRow(tr("Guide wavelength"),
                    tr("the wavelength inside the can, longer than in air"));
  results()->addRow(tr("Probe position"), tr("from the closed back to the probe, a quarter of the "
                                             "guide wavelength"));
  results()->addRow(tr("Probe length"), tr("a quarter of the wavelength in air"));
  results()->addRow(tr("Shortest can"),
                    tr("three quarters of the guide wavelength; longer is fine"));

  auto *layout = new QVBoxLayout(this);
  layout->addWidget(instructions());
  layout->addLayout(form);
  layout->addWidget(message());
  layout->addWidget(results());
  layout->addWidget(warnings_);
  layout->addWidget(ruleOfThumb_);
  layout->addWidget(drawing_, 1);

  // The unit chooser exists before the fields it sits between.
  setTabOrder(diameter_, unit_);
  setTabOrder(unit_, frequency_);
  connect(diameter_, &QLineEdit::textChanged, this, &CanCheckWindow::refresh);
  connect(frequency_, &QLineEdit::textChanged, this, &CanCheckWindow::refresh);
  connect(unit_, &QComboBox::currentIndexChanged, this, &CanCheckWindow::refresh);
  auto *state = new ToolState(this);
  state->add(QStringLiteral("unit"), unit_);
  state->add(QStringLiteral("diameter"), diameter_);
  state->add(QStringLiteral("frequencyMHz"), frequency_);
  connect(new QShortcut(QKeySequence::Close, this), &QShortcut::activated, this, &QWidget::close);
  connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);
  refresh();
}

void CanCheckWindow::forget() {
  warnings_->clear();
  ruleOfThumb_->clear();
  can_.reset();
  diameterTyped_ = 0;
}

void CanCheckWindow::compute() {
  const LengthUnit unit = chosenUnit(unit_);
  const auto diameter = typedValue(diameter_, "diameter");
  const auto frequency = typedValue(frequency_, "frequency");
  if (frequency)
    showRuleOfThumb(*frequency, chosenUnit(unit_));
  if (!diameter || !frequency)
    return;
  diameterTyped_ = *diameter;
  can_ = checkCan(*diameter, unit, *frequency);
  const QString symbol = unitSymbol(unit);
  results()->setValue(Te11, figure(can_->te11CutoffMHz, tr("MHz")));
  results()->setValue(Tm01, figure(can_->tm01CutoffMHz, tr("MHz")));
  results()->setValue(GuideWavelength, figure(can_->guideWavelength, symbol));
  results()->setValue(ProbePosition, figure(can_->probePosition, symbol));
  results()->setValue(ProbeLength, figure(can_->probeLength, symbol));
  results()->setValue(ShortestCan, figure(can_->shortestCan, symbol));
  QStringList lines;
  for (const std::string &warning : canWarnings(*can_))
    lines << tr("Warning: %1.").arg(QString::fromStdString(warning));
  if (!lines.isEmpty()) {
    QPalette palette = warnings_->palette();
    palette.setColor(QPalette::WindowText, errorColour(palette));
    warnings_->setPalette(palette);
    warnings_->setText(lines.join(QLatin1Char('\n')));
  }
}

void CanCheckWindow::draw() {
  drawing_->setCan(diameterTyped_, can_, unitSymbol(chosenUnit(unit_)));
}

// The coffee-can screen's own figures at this frequency, as it shows them, beside
// this check's: builders who used the screen first otherwise meet two answers
// without a word. The probe's place follows the same rule in both; the probe's
// length and the can's length follow the screen's own rules of thumb.
void CanCheckWindow::showRuleOfThumb(double frequencyMHz, LengthUnit unit) {
  struct Texts : FieldSink {
    std::map<Field, QString> text;
    void setText(Field field, std::string_view t) override {
      text[field] = QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
    }
    void appendRow(std::string_view) override {}
  } screen;
  DesignValues design;
  design.freq = static_cast<float>(frequencyMHz);
  CoffeeCanValues can;
  try {
    loadCoffeeCan(design, can, screen);
  } catch (const CalcError &) {
    return; // a frequency the screen cannot work with: nothing to compare
  }
  const bool inches = unit == LengthUnit::Inch;
  const auto pick = [&](Field inchField, Field cmField) {
    return screen.text[inches ? inchField : cmField];
  };
  const QString symbol = inches ? tr("in") : tr("cm");
  ruleOfThumb_->setText(
      tr("The coffee-can screen at %1 MHz proposes its own can, %2 %7 across: probe %3 %7 from "
         "the back and %4 %7 long, can %5 to %6 %7. Both put the probe a quarter of the guide "
         "wavelength from the back, each in its own can. The screen's probe is 234 / F feet long, "
         "about 5 % under this check's quarter wave, and its lengths are two to three free-space "
         "wavelengths, where this check gives the shortest can that will do.")
          .arg(screen.text[Field::Frequency], pick(Field::CanDiameterInches, Field::CanDiameterCm),
               pick(Field::ProbePositionInches, Field::ProbePositionCm),
               pick(Field::ProbeLengthInches, Field::ProbeLengthCm),
               pick(Field::ShortestCanInches, Field::ShortestCanCm),
               pick(Field::LongestCanInches, Field::LongestCanCm), symbol));
}

} // namespace dishwright
