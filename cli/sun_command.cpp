#include "cli/commands.h"

#include "calc/common/decimal_text.h"
#include "calc/common/figure_text.h"
#include "calc/common/units.h"
#include "calc/physics/sun_noise.h"
#include "calc/physics/sun_noise_flux.h"
#include "calc/physics/sun_noise_verdict.h"

#include <optional>
#include <string>

namespace dishwright {
namespace {

// The value of `option`, read as a number named `what`, or nothing when the
// option was not given.
std::optional<double> optionValue(const Invocation &call, const char *option, const char *what,
                                  std::size_t index = 0) {
  if (!call.has(option))
    return std::nullopt;
  return readDecimal(call.values(option).at(index), what);
}

// --dish feet|meters DIAMETER (the table allows only these two words).
std::optional<DishSize> dishOption(const Invocation &call) {
  const auto diameter = optionValue(call, "--dish", "dish diameter", 1);
  if (!diameter)
    return std::nullopt;
  const auto unit = dishSizeUnitFromText(call.values("--dish").at(0));
  return DishSize{*diameter, unit.value_or(DishSizeUnit::Metres)};
}

} // namespace

std::string sunNote() {
  std::string frequencies;
  for (std::size_t i = 0; i < kObservatoryFrequenciesMHz.size(); ++i) {
    if (i > 0)
      frequencies += i + 1 == kObservatoryFrequenciesMHz.size() ? " and " : ", ";
    frequencies += plainFigureText(kObservatoryFrequenciesMHz[i]);
  }
  return "FREQ, F1 and F2 are in MHz. FLUX, S1 and S2 are the sun's flux in solar flux units\n"
         "(SFU, 1e-22 W/m^2/Hz), as the solar observatories report it each day at\n" +
         frequencies + " MHz; the \"10.7 cm flux\"\n(F10.7) is the " +
         plainFigureText(kTenCentimetreReportMHz) +
         " MHz report. sun flux works it out between F1 and F2 and\n"
         "refuses a FREQ outside them while reports lie either side of it or nearer it;\n"
         "beyond " +
         plainFigureText(kObservatoryFrequenciesMHz.front()) + " and " +
         plainFigureText(kObservatoryFrequenciesMHz.back()) +
         " MHz it extrapolates from the nearest two, with a warning.\n"
         "Y_DB is the rise of the noise from cold sky to the sun. The beam correction (for\n"
         "the sun's half degree) takes --beamwidth DEG, else the beamwidth of --dish (" +
         plainFigureText(kBeamwidthDegWavelengths) +
         "\ndegrees x wavelength / diameter), else none, and a note says so; predict without\n"
         "--beamwidth takes the beamwidth of a " +
         plainFigureText(kAssumedApertureEfficiency * kPercentPerRatio) +
         " % dish of the gain. --tsys K, the system\n"
         "temperature (the whole system on cold sky, not the LNA alone), gives the gain;\n"
         "with --dish too, the aperture efficiency and a verdict on it. Given both\n"
         "--beamwidth and --dish, the beamwidth sets the correction and the dish serves only\n"
         "for the efficiency.\n";
}

void runSunPredict(const Invocation &call, Report &out) {
  const double gain = readDecimal(call.arg(0), "gain in dBi");
  const double systemK = readDecimal(call.arg(1), "system temperature");
  const double frequency = readDecimal(call.arg(2), "frequency");
  const double flux = readDecimal(call.arg(3), "flux");
  const auto beamwidth = optionValue(call, "--beamwidth", "beamwidth");
  const SunPrediction p = predictSunNoise(gain, systemK, frequency, flux, beamwidth);
  out.figure("sun temperature", p.sunTemperatureK, kKelvin);
  out.figure("beam correction", p.beamCorrection);
  out.figure("sun noise", p.sunNoiseDb, kDecibels);
}

void runSunMeasure(const Invocation &call, Report &out) {
  const double yFactor = readDecimal(call.arg(0), "sun noise in dB");
  const double frequency = readDecimal(call.arg(1), "frequency");
  const double flux = readDecimal(call.arg(2), "flux");
  const auto beamwidth = optionValue(call, "--beamwidth", "beamwidth");
  const auto dish = dishOption(call);
  const auto systemK = optionValue(call, "--tsys", "system temperature");
  const SunMeasurement m = measureSunNoise(yFactor, frequency, flux, beamwidth, dish, systemK);
  out.figure("beam correction", m.beamCorrection);
  if (m.source == BeamwidthSource::None)
    out.note("no beamwidth given, beam correction taken as 1");
  out.figure("G/T", m.gOverTDbPerK, kDecibelsPerKelvin);
  if (m.gainDbi)
    out.figure("gain", *m.gainDbi, kDecibelsIsotropic);
  if (m.apertureEfficiency)
    out.figure("aperture efficiency", *m.apertureEfficiency);
  if (m.judgement) {
    if (m.judgement->verdict == EfficiencyVerdict::Impossible)
      out.warning(m.judgement->words);
    else
      out.words("verdict", m.judgement->words);
  }
}

void runSunFlux(const Invocation &call, Report &out) {
  const double frequency = readDecimal(call.arg(0), "frequency");
  const double f1 = readDecimal(call.arg(1), "first observatory frequency");
  const double s1 = readDecimal(call.arg(2), "first observatory flux");
  const double f2 = readDecimal(call.arg(3), "second observatory frequency");
  const double s2 = readDecimal(call.arg(4), "second observatory flux");
  const FluxEstimate estimate = estimateFlux(frequency, f1, s1, f2, s2);
  out.figure("flux", estimate.fluxSfu, kSolarFluxUnits);
  if (estimate.remarks.warning)
    out.warning(*estimate.remarks.warning);
  if (estimate.remarks.note)
    out.note(*estimate.remarks.note);
}

} // namespace dishwright
