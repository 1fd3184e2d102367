// The sun's flux at the builder's frequency from the daily observatory reports:
// which two reports lie either side of it, the flux on a power law between them,
// and what to say when the frequency lies outside them. A frequency outside its
// two reports is refused while reports nearer it exist; beyond the observatories'
// range, where no pair lies either side, the flux is extrapolated with a warning.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>

namespace dishwright {

// The frequencies, MHz, at which the solar observatories report the daily flux.
inline constexpr std::array<double, 9> kObservatoryFrequenciesMHz = {245,  410,  610,  1415, 2695,
                                                                     2800, 4995, 8800, 15400};
// The report everyone quotes as the "10.7 cm flux" (F10.7), MHz: 10.7 cm is its
// wavelength, not its frequency.
inline constexpr double kTenCentimetreReportMHz = 2800;
// 10.7 cm read as a frequency, MHz: a report typed here is the F10.7 figure put
// at the wrong frequency.
inline constexpr double kTenCentimetreMistakeMHz = 10700;
// How near a report's frequency lies to kTenCentimetreMistakeMHz to be taken for
// that mistake: a fraction of it, ratio.
inline constexpr double kTenCentimetreMistakeTolerance = 0.01;

// The observatory reports either side of `frequencyMHz` (MHz), as indices into
// kObservatoryFrequenciesMHz: the one at or below it and the next one up; below
// the lowest report the two lowest, at or above the highest the two highest.
std::pair<std::size_t, std::size_t> observatoryPairAround(double frequencyMHz);

// What to tell the builder about the two reports a flux comes from: sentences
// without a final full stop, for a front end to present.
struct FluxRemarks {
  // Beyond the observatories' range, no pair lies either side: the flux is
  // extrapolated, and from which reports.
  std::optional<std::string> warning;
  // A report typed near 10700 MHz: the 10.7 cm flux belongs at 2800 MHz.
  std::optional<std::string> note;
};

// Checks the reports at `f1MHz` and `f2MHz` (MHz) for the flux at `frequencyMHz`
// (MHz), in either order. Throws InputError unless every frequency is greater
// than 0 and the two differ, and when the frequency lies outside the two while an
// observatory report lies nearer it: inside the observatories' range a pair lies
// either side of it, beyond it the reports nearest it are the ones to take; the
// words name the pair to take.
FluxRemarks checkFluxReports(double frequencyMHz, double f1MHz, double f2MHz);

struct FluxEstimate {
  double fluxSfu = 0;  // the flux at the frequency, SFU
  FluxRemarks remarks; // what to say about the reports it comes from
};

// The sun's flux at `frequencyMHz` (MHz) from the reports `s1Sfu` (SFU) at
// `f1MHz` (MHz) and `s2Sfu` (SFU) at `f2MHz` (MHz): the frequencies checked as
// checkFluxReports does, the flux as interpolateFlux works it out.
FluxEstimate estimateFlux(double frequencyMHz, double f1MHz, double s1Sfu, double f2MHz,
                          double s2Sfu);

// The sun's flux, SFU, at `frequencyMHz` (MHz) from two observatory figures:
// `s1Sfu` (SFU) at `f1MHz` (MHz) and `s2Sfu` (SFU) at `f2MHz` (MHz), on the
// straight line through them in log flux over log frequency, wherever the
// frequency lies. Throws InputError unless every input is greater than 0 and the
// two frequencies differ.
double interpolateFlux(double frequencyMHz, double f1MHz, double s1Sfu, double f2MHz, double s2Sfu);

} // namespace dishwright
