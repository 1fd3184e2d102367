#include "calc/physics/sun_noise_flux.h"

#include "calc/common/figure_text.h"
#include "calc/common/input_checks.h"
#include "calc/common/input_error.h"

#include <algorithm>
#include <cmath>

namespace dishwright {
namespace {

// A frequency in a sentence: as many digits as a typed one carries, "10368.125".
constexpr int kFrequencyTextDigits = 8;

std::string mhz(double frequencyMHz) {
  return plainFigureText(frequencyMHz, kFrequencyTextDigits) + " MHz";
}

std::string pairText(double lowMHz, double highMHz) {
  return plainFigureText(lowMHz, kFrequencyTextDigits) + " and " + mhz(highMHz);
}

double lowestReportMHz() { return kObservatoryFrequenciesMHz.front(); }
double highestReportMHz() { return kObservatoryFrequenciesMHz.back(); }

// Whether an observatory report lies strictly between `aMHz` and `bMHz`.
bool reportBetween(double aMHz, double bMHz) {
  const double low = std::min(aMHz, bMHz);
  const double high = std::max(aMHz, bMHz);
  return std::any_of(kObservatoryFrequenciesMHz.begin(), kObservatoryFrequenciesMHz.end(),
                     [low, high](double report) { return report > low && report < high; });
}

[[noreturn]] void refuseOutside(double frequencyMHz, double lowMHz, double highMHz) {
  const auto [below, above] = observatoryPairAround(frequencyMHz);
  const std::string take =
      pairText(kObservatoryFrequenciesMHz[below], kObservatoryFrequenciesMHz[above]);
  const std::string given = "the two reports (" + pairText(lowMHz, highMHz) + ")";
  const bool beyond = frequencyMHz < lowestReportMHz() || frequencyMHz > highestReportMHz();
  if (!beyond)
    throw InputError("the frequency " + mhz(frequencyMHz) + " is not between " + given +
                     ": take the reports either side of it, " + take);
  throw InputError("the frequency " + mhz(frequencyMHz) + " is outside " + given +
                   " and reports lie nearer it: take the nearest two, " + take);
}

std::string extrapolationWarning(double frequencyMHz, double lowMHz, double highMHz) {
  const bool above = frequencyMHz > highestReportMHz();
  return mhz(frequencyMHz) + " is " + (above ? "above" : "below") + " the observatories' " +
         (above ? "highest" : "lowest") + " report (" +
         mhz(above ? highestReportMHz() : lowestReportMHz()) +
         "): the flux is extrapolated from the reports at " + pairText(lowMHz, highMHz) +
         ", a rough figure";
}

bool looksLikeTenCentimetres(double reportMHz) {
  return std::abs(reportMHz / kTenCentimetreMistakeMHz - 1) <= kTenCentimetreMistakeTolerance;
}

} // namespace

std::pair<std::size_t, std::size_t> observatoryPairAround(double frequencyMHz) {
  const auto &reports = kObservatoryFrequenciesMHz;
  const auto above = std::upper_bound(reports.begin(), reports.end(), frequencyMHz);
  const std::size_t upper = std::clamp<std::size_t>(above - reports.begin(), 1, reports.size() - 1);
  return {upper - 1, upper};
}

FluxRemarks checkFluxReports(double frequencyMHz, double f1MHz, double f2MHz) {
  requirePositive(frequencyMHz, "frequency");
  requirePositive(f1MHz, "first observatory frequency");
  requirePositive(f2MHz, "second observatory frequency");
  if (f1MHz == f2MHz)
    throw InputError("the two observatory frequencies must differ");
  const double low = std::min(f1MHz, f2MHz);
  const double high = std::max(f1MHz, f2MHz);
  FluxRemarks remarks;
  if (frequencyMHz < low || frequencyMHz > high) {
    const bool beyond = frequencyMHz < lowestReportMHz() || frequencyMHz > highestReportMHz();
    const double nearer = frequencyMHz < low ? low : high;
    if (!beyond || reportBetween(frequencyMHz, nearer))
      refuseOutside(frequencyMHz, low, high);
    remarks.warning = extrapolationWarning(frequencyMHz, low, high);
  }
  if (looksLikeTenCentimetres(f1MHz) || looksLikeTenCentimetres(f2MHz))
    remarks.note = "the \"10.7 cm flux\" (F10.7) is the report at " + mhz(kTenCentimetreReportMHz) +
                   ": 10.7 cm is its wavelength, and no observatory reports at " +
                   mhz(kTenCentimetreMistakeMHz);
  return remarks;
}

FluxEstimate estimateFlux(double frequencyMHz, double f1MHz, double s1Sfu, double f2MHz,
                          double s2Sfu) {
  FluxEstimate estimate;
  estimate.remarks = checkFluxReports(frequencyMHz, f1MHz, f2MHz);
  estimate.fluxSfu = interpolateFlux(frequencyMHz, f1MHz, s1Sfu, f2MHz, s2Sfu);
  return estimate;
}

double interpolateFlux(double frequencyMHz, double f1MHz, double s1Sfu, double f2MHz,
                       double s2Sfu) {
  requirePositive(frequencyMHz, "frequency");
  requirePositive(f1MHz, "first observatory frequency");
  requirePositive(s1Sfu, "first observatory flux");
  requirePositive(f2MHz, "second observatory frequency");
  requirePositive(s2Sfu, "second observatory flux");
  if (f1MHz == f2MHz)
    throw InputError("the two observatory frequencies must differ");
  const double powerLawExponent = std::log(s2Sfu / s1Sfu) / std::log(f2MHz / f1MHz);
  const double fluxSfu = s1Sfu * std::pow(frequencyMHz / f1MHz, powerLawExponent);
  if (!std::isnormal(fluxSfu))
    throw InputError("the frequency is too far from the observatory frequencies to compute "
                     "the flux at it");
  return fluxSfu;
}

} // namespace dishwright
