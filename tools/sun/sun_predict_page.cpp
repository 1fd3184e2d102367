#include "tools/sun/sun_predict_page.h"

#include "calc/physics/sun_noise.h"
#include "tools/kit/result_grid.h"
#include "tools/kit/tool_colours.h"
#include "tools/kit/tool_form.h"
#include "tools/kit/tool_state.h"
#include "tools/sun/sun_text.h"

#include <QFormLayout>
#include <QJsonValue>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace dishwright {
namespace {
enum Row { Beamwidth, BeamCorrection, SunTemperature, SunNoise };
}

SunPredictPage::SunPredictPage(double frequencyMHz, QWidget *parent)
    : ToolPage(tr("What the sun should show: type the dish's gain, the noise temperature of the "
                  "receiving system, the frequency and the day's solar flux there."),
               parent),
      gainSource_(makeMessageLabel(nullptr)) {
  auto *form = new QFormLayout;
  gain_ = addNumberField(form, tr("&Gain, dBi:"), tr("gain"));
  gain_->setAccessibleDescription(tr("the dish's gain in dBi"));
  gainSource_->setAccessibleName(tr("where the gain came from"));
  QPalette quiet = gainSource_->palette();
  quiet.setColor(QPalette::WindowText, quietTextColour(quiet));
  gainSource_->setPalette(quiet);
  gainSource_->setText(tr("Type the gain the dish should have."));
  form->addRow(gainSource_); // across the form: a wrapped line beside no label grows tall
  system_ =
      addNumberField(form, tr("S&ystem temperature on cold sky, K:"), tr("system temperature"));
  system_->setToolTip(systemTemperatureMeaning());
  system_->setAccessibleDescription(systemTemperatureMeaning());
  frequency_ = addNumberField(form, tr("&Frequency, MHz:"), tr("frequency"));
  frequency_->setAccessibleDescription(tr("megahertz"));
  if (frequencyMHz > 0)
    frequency_->setText(fieldText(frequencyMHz));
  flux_ = addNumberField(form, tr("F&lux, SFU:"), tr("solar flux"));
  flux_->setAccessibleDescription(tr("the sun's flux at the frequency, solar flux units"));
  beamwidth_ = addNumberField(form, tr("&Beamwidth, degrees (optional):"), tr("beamwidth"));
  beamwidth_->setAccessibleDescription(
      tr("half-power beamwidth in degrees; blank: worked out from the gain"));

  results()->addRow(tr("Beamwidth"), beamwidthMeaning(BeamwidthSource::FromGain));
  results()->addRow(tr("Beam correction"),
                    tr("how much less of the half-degree sun a narrow beam takes in"));
  results()->addRow(tr("Sun temperature"),
                    tr("how much the antenna's noise temperature rises on the sun"));
  results()->addRow(tr("Sun noise"),
                    tr("the rise to expect from cold sky to the sun, the Y-factor"));

  auto *layout = new QVBoxLayout(this);
  layout->addWidget(instructions());
  layout->addLayout(form);
  layout->addWidget(message());
  layout->addWidget(results());
  layout->addStretch(1);

  connect(gain_, &QLineEdit::textEdited, this, [this] {
    gainSource_->setText(tr("Typed in."));
    gainTyped_ = true;
  });
  for (QLineEdit *field : {gain_, system_, frequency_, flux_, beamwidth_})
    connect(field, &QLineEdit::textChanged, this, &SunPredictPage::refresh);
  auto *state = new ToolState(this, QStringLiteral("predict"));
  // A gain typed stays the user's: a feed window's gain does not take its place.
  state->add(
      QStringLiteral("gainTyped"), [this] { return QJsonValue(gainTyped_); },
      [this](const QJsonValue &typed) {
        gainTyped_ = typed.toBool();
        if (gainTyped_)
          gainSource_->setText(tr("Typed in."));
      });
  state->add(QStringLiteral("gain"), gain_);
  state->add(QStringLiteral("systemK"), system_);
  state->add(QStringLiteral("frequencyMHz"), frequency_);
  state->add(QStringLiteral("fluxSfu"), flux_);
  state->add(QStringLiteral("beamwidth"), beamwidth_);
  refresh();
}

void SunPredictPage::setGain(const QString &text, const QString &source) {
  gain_->setText(text);
  gainSource_->setText(tr("From %1.").arg(source));
  gainTyped_ = false;
}

void SunPredictPage::setFlux(const QString &text) { flux_->setText(text); }

void SunPredictPage::setFrequency(const QString &text) { frequency_->setText(text); }

void SunPredictPage::forget() {
  results()->setMeaning(Beamwidth, beamwidthMeaning(BeamwidthSource::FromGain));
}

void SunPredictPage::compute() {
  const auto gain = typedValue(gain_, "gain in dBi");
  const auto system = typedValue(system_, "system temperature");
  const auto frequency = typedValue(frequency_, "frequency");
  const auto flux = typedValue(flux_, "flux");
  const auto beamwidth = typedValue(beamwidth_, "beamwidth");
  if (!gain || !system || !frequency || !flux)
    return;
  const SunPrediction p = predictSunNoise(*gain, *system, *frequency, *flux, beamwidth);
  results()->setValue(Beamwidth, figure(p.beamwidthDeg, tr("degrees")));
  results()->setMeaning(Beamwidth, beamwidthMeaning(p.source));
  results()->setValue(BeamCorrection, figure(p.beamCorrection));
  results()->setValue(SunTemperature, figure(p.sunTemperatureK, tr("K")));
  results()->setValue(SunNoise, figure(p.sunNoiseDb, tr("dB")));
}

} // namespace dishwright
