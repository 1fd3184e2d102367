#include "tools/sun/sun_window.h"

#include "tools/kit/named_combo_box.h"

#include "calc/common/figure_text.h"
#include "calc/screen_rules/calc_error.h"
#include "calc/screen_rules/dish_figures.h"
#include "tools/kit/tool_form.h"
#include "tools/kit/tool_state.h"
#include "tools/sun/sun_flux_page.h"
#include "tools/sun/sun_measure_page.h"
#include "tools/sun/sun_predict_page.h"
#include "tools/sun/sun_text.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

#include <optional>
#include <string>

namespace dishwright {
namespace {

// Keeps the gain text the calculation screens' figures write.
class GainText : public FieldSink {
public:
  void setText(Field field, std::string_view text) override {
    if (field == Field::Gain)
      gain = std::string(text);
  }
  void appendRow(std::string_view) override {}
  std::optional<std::string> gain;
};

// The gain, dBi, the calculation screen shows for the design, as it shows it;
// nothing without a design or when the screen's arithmetic fails on it.
std::optional<QString> ruleOfThumbGain(const DesignSeed &seed) {
  if (!(seed.diameter > 0 && seed.frequencyMHz > 0))
    return std::nullopt;
  DesignValues values;
  values.fd = static_cast<float>(seed.fd);
  values.dia = static_cast<float>(seed.diameter);
  values.freq = static_cast<float>(seed.frequencyMHz);
  GainText sink;
  try {
    loadDishFigures(values, isMetric(seed.unit), sink);
  } catch (const CalcError &) {
    // the screen says what failed; the gain is left for the user to type
  }
  if (!sink.gain)
    return std::nullopt;
  return QString::fromStdString(*sink.gain);
}

} // namespace

SunWindow::SunWindow(const DesignSeed &seed, QWidget *parent)
    : QWidget(parent, Qt::Window), tabs_(new QTabWidget(this)),
      predict_(new SunPredictPage(seed.frequencyMHz)), measure_(new SunMeasurePage(seed)),
      flux_(new SunFluxPage(seed.frequencyMHz)) {
  useNamedComboBoxes();
  setWindowTitle(tr("Check with the sun"));
  tabs_->setAccessibleName(tr("predicted or measured sun noise"));
  tabs_->addTab(predict_, tr("&Predict"));
  tabs_->addTab(measure_, tr("&Measured"));
  if (const auto gain = ruleOfThumbGain(seed))
    predict_->setGain(
        *gain,
        tr("the design's rule of thumb, as the calculation screen shows it for "
           "%1 %2 at %3 MHz")
            .arg(fieldText(seed.diameter), unitSymbol(seed.unit), fieldText(seed.frequencyMHz)));
  auto *fluxBox = new QGroupBox(tr("The sun's flux at your frequency"), this);
  auto *fluxLayout = new QVBoxLayout(fluxBox);
  fluxLayout->addWidget(flux_);

  auto *layout = new QHBoxLayout(this);
  layout->addWidget(tabs_, 3);
  layout->addWidget(fluxBox, 2);

  connect(flux_, &SunFluxPage::fluxChosen, this, [this](double fluxSfu, double frequencyMHz) {
    const QString flux = QString::fromStdString(plainFigureText(fluxSfu, kMeasuredDigits));
    const QString frequency = fieldText(frequencyMHz); // the flux belongs to it
    predict_->setFlux(flux);
    predict_->setFrequency(frequency);
    measure_->setFlux(flux);
    measure_->setFrequency(frequency);
  });
  connect(new QShortcut(QKeySequence::Close, this), &QShortcut::activated, this, &QWidget::close);
  connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);
  auto *state = new ToolState(this);
  state->add(QStringLiteral("page"), tabs_);
}

void SunWindow::setPredictedGain(double gainDbi, const QString &source) {
  predict_->setGain(QString::fromStdString(plainFigureText(gainDbi, kMeasuredDigits)), source);
}

} // namespace dishwright
