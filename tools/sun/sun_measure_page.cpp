#include "tools/sun/sun_measure_page.h"

#include "calc/common/figure_text.h"
#include "calc/common/units.h"
#include "calc/physics/sun_noise.h"
#include "calc/physics/sun_noise_verdict.h"
#include "tools/kit/result_grid.h"
#include "tools/kit/tool_colours.h"
#include "tools/kit/tool_form.h"
#include "tools/kit/tool_state.h"
#include "tools/sun/sun_text.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <optional>

namespace dishwright {
namespace {
enum Row { Beamwidth, BeamCorrection, GOverT, Gain, Efficiency };
} // namespace

SunMeasurePage::SunMeasurePage(const DesignSeed &seed, QWidget *parent)
    : ToolPage(tr("Point the dish at cold sky, then at the sun, and type how many dB the noise "
                  "rose; the flux is the day's figure at your frequency."),
               parent) {
  auto *form = new QFormLayout;
  yFactor_ = addNumberField(form, tr("Sun &noise (Y-factor), dB:"), tr("sun noise"));
  yFactor_->setAccessibleDescription(tr("rise of the noise from cold sky to the sun, decibels"));
  frequency_ = addNumberField(form, tr("Fre&quency, MHz:"), tr("frequency"));
  frequency_->setAccessibleDescription(tr("megahertz"));
  if (seed.frequencyMHz > 0)
    frequency_->setText(fieldText(seed.frequencyMHz));
  flux_ = addNumberField(form, tr("Flu&x, SFU:"), tr("solar flux"));
  flux_->setAccessibleDescription(tr("the sun's flux at the frequency, solar flux units"));
  beamwidth_ = addNumberField(form, tr("Beam&width, degrees (optional):"), tr("beamwidth"));
  beamwidth_->setAccessibleDescription(
      tr("half-power beamwidth in degrees; it sets the beam correction before the dish does"));

  diameter_ = new QLineEdit;
  diameter_->setAccessibleName(tr("dish diameter"));
  diameter_->setAccessibleDescription(tr("in the unit chosen beside it; for the efficiency"));
  diameter_->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
  if (seed.diameter > 0)
    diameter_->setText(fieldText(seed.diameter));
  unit_ = makeDishSizeChooser(seed.unit, this);
  auto *sizeRow = new QHBoxLayout;
  sizeRow->addWidget(diameter_, 1);
  sizeRow->addWidget(unit_);
  auto *diameterLabel = new QLabel(tr("&Dish diameter (optional):"));
  diameterLabel->setBuddy(diameter_);
  form->addRow(diameterLabel, sizeRow);
  system_ = addNumberField(form, tr("Sys&tem temperature on cold sky, K (optional):"),
                           tr("system temperature"));
  system_->setToolTip(systemTemperatureMeaning());
  system_->setAccessibleDescription(systemTemperatureMeaning() + tr("; for the gain"));

  results()->addRow(tr("Beamwidth"), beamwidthMeaning(BeamwidthSource::None));
  results()->addRow(tr("Beam correction"),
                    tr("how much less of the half-degree sun the beam takes in"));
  results()->addRow(tr("G/T"), tr("gain over system temperature: what the sun noise measures"));
  results()->addRow(tr("Gain"), tr("G/T times the system temperature, when that is typed"));
  results()->addRow(tr("Aperture efficiency"),
                    tr("the gain against a perfect dish of the diameter typed"));
  verdict_ = makeMessageLabel(this);
  verdict_->setAccessibleName(tr("verdict on the dish"));

  auto *layout = new QVBoxLayout(this);
  layout->addWidget(instructions());
  layout->addLayout(form);
  layout->addWidget(message());
  layout->addWidget(results());
  layout->addWidget(verdict_);
  layout->addStretch(1);

  setTabOrder(diameter_, unit_); // the chooser exists before the field it follows
  setTabOrder(unit_, system_);
  for (QLineEdit *field : {yFactor_, frequency_, flux_, beamwidth_, diameter_, system_})
    connect(field, &QLineEdit::textChanged, this, &SunMeasurePage::refresh);
  connect(unit_, &QComboBox::currentIndexChanged, this, &SunMeasurePage::refresh);
  auto *state = new ToolState(this, QStringLiteral("measure"));
  state->add(QStringLiteral("yFactorDb"), yFactor_);
  state->add(QStringLiteral("frequencyMHz"), frequency_);
  state->add(QStringLiteral("fluxSfu"), flux_);
  state->add(QStringLiteral("beamwidth"), beamwidth_);
  state->add(QStringLiteral("unit"), unit_);
  state->add(QStringLiteral("diameter"), diameter_);
  state->add(QStringLiteral("systemK"), system_);
  refresh();
}

void SunMeasurePage::setFlux(const QString &text) { flux_->setText(text); }

void SunMeasurePage::setFrequency(const QString &text) { frequency_->setText(text); }

void SunMeasurePage::forget() {
  results()->setMeaning(Beamwidth, beamwidthMeaning(BeamwidthSource::None));
  showHint(verdict_, tr("With the system temperature and the dish's diameter, the efficiency "
                        "the measurement implies is judged here."));
}

void SunMeasurePage::compute() {
  const auto yFactor = typedValue(yFactor_, "sun noise in dB");
  const auto frequency = typedValue(frequency_, "frequency");
  const auto flux = typedValue(flux_, "flux");
  const auto beamwidth = typedValue(beamwidth_, "beamwidth");
  const auto diameter = typedValue(diameter_, "dish diameter");
  const auto system = typedValue(system_, "system temperature");
  if (!yFactor || !frequency || !flux)
    return;
  std::optional<DishSize> dish;
  if (diameter)
    dish = DishSize{*diameter, chosenDishSizeUnit(unit_)};
  const SunMeasurement m = measureSunNoise(*yFactor, *frequency, *flux, beamwidth, dish, system);
  results()->setValue(Beamwidth,
                      m.beamwidthDeg ? figure(*m.beamwidthDeg, tr("degrees")) : tr("none"));
  results()->setMeaning(Beamwidth, beamwidthMeaning(m.source));
  results()->setValue(BeamCorrection, figure(m.beamCorrection));
  results()->setValue(GOverT, figure(m.gOverTDbPerK, tr("dB/K")));
  if (m.gainDbi)
    results()->setValue(Gain, figure(*m.gainDbi, tr("dBi")));
  if (m.apertureEfficiency)
    results()->setValue(Efficiency, figure(*m.apertureEfficiency * kPercentPerRatio, tr("%")));
  if (m.judgement) {
    showHint(verdict_, QString::fromStdString(m.judgement->words) + QLatin1Char('.'));
    if (m.judgement->verdict == EfficiencyVerdict::Impossible) { // a mistake to find
      QPalette palette = verdict_->palette();
      palette.setColor(QPalette::WindowText, errorColour(palette));
      verdict_->setPalette(palette);
    }
  }
}

} // namespace dishwright
