#include "calc/physics/feed_pattern.h"

#include "calc/common/figure_text.h"
#include "calc/common/input_checks.h"
#include "calc/common/input_error.h"
#include "calc/common/units.h"
#include "calc/physics/guide_modes.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <utility>

namespace dishwright {
namespace {

// Angle of grid sample `i` for a pattern reaching `extentRad`, radians.
double gridAngleRad(double extentRad, std::size_t i) {
  return extentRad * static_cast<double>(i) / static_cast<double>(kPatternSteps);
}

// The first zero of J1' to full double precision: kTe11BesselRoot is rounded to
// seven digits, and the H-plane factor divides by zero exactly at the root, so
// the 0/0 must be caught where the numerator really vanishes. Newton on J1'.
double te11Root() {
  double x = kTe11BesselRoot;
  for (int i = 0; i < 3; ++i) {
    const double j0 = std::cyl_bessel_j(0.0, x), j1 = std::cyl_bessel_j(1.0, x);
    const double slope = j0 - j1 / x;                                 // J1'
    const double curvature = -slope / x - (1.0 - 1.0 / (x * x)) * j1; // J1'' from Bessel's equation
    x -= slope / curvature;
  }
  return x;
}

// 2 J1(x) / x, the E-plane aperture factor, 1 on the axis.
double eApertureFactor(double x, double j1) { return x == 0 ? 1.0 : 2.0 * j1 / x; }

// 2 J1'(x) / (1 - (x / x'11)^2), the H-plane aperture factor, 1 on the axis; at
// the root both vanish and the limit (x'11^2 - 1) / x'11 J1(x'11) is taken.
double hApertureFactor(double x, double j0, double j1, double root) {
  if (x == 0)
    return 1.0;
  constexpr double kNearRoot = 1e-6; // closer than this, the quotient loses its digits
  if (std::abs(x - root) < kNearRoot * root)
    return (root * root - 1.0) / root * j1;
  const double ratio = x / root;
  return 2.0 * (j0 - j1 / x) / ((1.0 - ratio) * (1.0 + ratio));
}

// True for levels that rise away from the axis, all 0 dB or more with the axis
// at 0 dB: a level read off as "dB down" and written without its sign.
bool writtenAsDbDown(const std::vector<PatternLevel> &levels) {
  bool rises = false;
  for (const PatternLevel &level : levels) {
    if (level.eDb < 0 || level.hDb < 0)
      return false;
    rises = rises || level.eDb > 0 || level.hDb > 0;
  }
  return rises && levels.front().eDb == 0 && levels.front().hDb == 0;
}

// Each listed phase within half a turn of the one before (degrees), the axis's at 0.
void unwrapPhases(std::vector<PatternPhase> &phases) {
  constexpr double kTurnDeg = 360;
  const PatternPhase axis = phases.front();
  PatternPhase last;
  for (PatternPhase &phase : phases) {
    double e = phase.eDeg - axis.eDeg, h = phase.hDeg - axis.hDeg;
    e -= kTurnDeg * std::round((e - last.eDeg) / kTurnDeg);
    h -= kTurnDeg * std::round((h - last.hDeg) / kTurnDeg);
    phase = last = {e, h};
  }
}

} // namespace

FeedPattern::FeedPattern(double extentRad, std::vector<double> eAmplitude,
                         std::vector<double> hAmplitude, PatternSource source)
    : extentRad_(extentRad), stepRad_(extentRad / static_cast<double>(eAmplitude.size() - 1)),
      source_(source), e_(std::move(eAmplitude)), h_(std::move(hAmplitude)) {
  if (e_.size() < 2 || h_.size() != e_.size() || !(extentRad_ > 0))
    throw std::invalid_argument("a feed pattern needs two samples at least in each plane");
  double peak = 0;
  for (std::size_t i = 0; i < e_.size(); ++i)
    peak = std::max({peak, std::abs(e_[i]), std::abs(h_[i])});
  if (!(peak > 0) || !std::isfinite(peak))
    throw InputError("the feed's pattern sends no power anywhere");
  for (std::size_t i = 0; i < e_.size(); ++i) {
    e_[i] /= peak;
    h_[i] /= peak;
  }
}

void FeedPattern::setPhases(std::vector<double> ePhaseRad, std::vector<double> hPhaseRad) {
  if (ePhaseRad.size() != e_.size() || hPhaseRad.size() != e_.size())
    throw std::invalid_argument("a feed pattern's phases need one value a sample in each plane");
  ePhase_ = std::move(ePhaseRad);
  hPhase_ = std::move(hPhaseRad);
}

double FeedPattern::angleDeg(std::size_t i) const {
  return static_cast<double>(i) * stepRad_ * kDegreesPerRadian;
}

double FeedPattern::extentDeg() const { return extentRad_ * kDegreesPerRadian; }

double FeedPattern::eDb(std::size_t i) const {
  return std::max(20.0 * std::log10(std::abs(e_[i])), kPatternFloorDb);
}

double FeedPattern::hDb(std::size_t i) const {
  return std::max(20.0 * std::log10(std::abs(h_[i])), kPatternFloorDb);
}

double FeedPattern::at(const std::vector<double> &samples, double angleRad) const {
  if (angleRad > extentRad_)
    return 0;
  const double steps = angleRad / stepRad_;
  const std::size_t i = std::min(static_cast<std::size_t>(steps), samples.size() - 2);
  const double fraction = steps - static_cast<double>(i);
  return samples[i] + fraction * (samples[i + 1] - samples[i]);
}

FeedPattern cosNPattern(double n) {
  requirePositive(n, "cos n exponent");
  // Power 1e-20 (-200 dB) at 2 asin(sqrt(s / 2)) with s = 1 - 1e-20^(1/n), worked
  // through expm1 so that a huge n does not round the angle to 0.
  const double ln1e20 = 20.0 * std::log(10.0);
  const double extentRad = 2.0 * std::asin(std::sqrt(-std::expm1(-ln1e20 / n) / 2.0));
  std::vector<double> amplitude(kPatternSteps + 1);
  for (std::size_t i = 0; i <= kPatternSteps; ++i) {
    // cos t = 1 - 2 sin^2(t/2) keeps the small angles of a narrow beam exact; at
    // 90 degrees 2 sin^2(t/2) may round above 1.
    const double s = std::sin(gridAngleRad(extentRad, i) / 2.0);
    amplitude[i] = std::exp(n / 2.0 * std::log1p(std::max(-2.0 * s * s, -1.0)));
  }
  return FeedPattern(extentRad, amplitude, amplitude);
}

double cosNForBeamwidth(double beamwidthDeg) {
  if (!(beamwidthDeg > 0 && beamwidthDeg < 180))
    throw InputError("the beamwidth must lie between 0 and 180 degrees");
  return -1.0 / std::log10(std::cos(beamwidthDeg / 2.0 / kDegreesPerRadian));
}

FeedPattern canPattern(double diameter, LengthUnit unit, double frequencyMHz) {
  requirePositive(diameter, "can diameter");
  requirePositive(frequencyMHz, "frequency");
  const double wavelength = kSpeedOfLightMmMHz / mmPerUnit(unit) / frequencyMHz;
  const double ka = kPi * diameter / wavelength;
  if (!(ka > kTe11BesselRoot)) {
    const double cutoffMHz = frequencyMHz * kTe11BesselRoot / ka;
    throw InputError("a can " + plainFigureText(diameter) + " " + lengthSymbol(unit) +
                     " across carries nothing below " + plainFigureText(cutoffMHz) +
                     " MHz (its TE11 cutoff)");
  }
  const double cutoffRatio = kTe11BesselRoot / ka;
  // beta / k of the guide: how far above cutoff the wave runs.
  const double b = std::sqrt((1.0 - cutoffRatio) * (1.0 + cutoffRatio));
  static const double root = te11Root();
  std::vector<double> e(kPatternSteps + 1), h(kPatternSteps + 1);
  // sin t is the same at t and 180 - t: each Bessel pair serves two samples.
  for (std::size_t i = 0; i <= kPatternSteps / 2; ++i) {
    const double t = gridAngleRad(kPi, i);
    const double x = ka * std::sin(t);
    const double j0 = std::cyl_bessel_j(0.0, x), j1 = std::cyl_bessel_j(1.0, x);
    const double eFactor = eApertureFactor(x, j1), hFactor = hApertureFactor(x, j0, j1, root);
    const double c = std::cos(t);
    e[i] = (1.0 + b * c) * eFactor;
    h[i] = (b + c) * hFactor;
    e[kPatternSteps - i] = (1.0 - b * c) * eFactor;
    h[kPatternSteps - i] = (b - c) * hFactor;
  }
  return FeedPattern(kPi, e, h);
}

FeedPattern listedPattern(std::vector<PatternLevel> levels, std::vector<PatternPhase> phases) {
  if (levels.size() < 2 || levels.front().angleDeg != 0 || !(levels.back().angleDeg <= 180))
    throw InputError("a pattern needs two levels at least, from 0 to at most 180 degrees");
  PatternSource source{true, writtenAsDbDown(levels)};
  double peakDb = levels.front().eDb;
  for (std::size_t k = 0; k < levels.size(); ++k) {
    if (k > 0 && !(levels[k].angleDeg > levels[k - 1].angleDeg))
      throw InputError("the angles of a pattern must rise");
    if (source.readAsDbDown)
      levels[k].eDb = -levels[k].eDb, levels[k].hDb = -levels[k].hDb;
    peakDb = std::max({peakDb, levels[k].eDb, levels[k].hDb});
  }
  const bool phased = !phases.empty();
  if (phased && phases.size() != levels.size())
    throw std::invalid_argument("a listed pattern's phases need one entry a level");
  if (phased)
    unwrapPhases(phases);
  const double extentRad = levels.back().angleDeg / kDegreesPerRadian;
  std::vector<double> e(kPatternSteps + 1), h(kPatternSteps + 1);
  std::vector<double> ePhase(phased ? e.size() : 0), hPhase(phased ? e.size() : 0);
  std::size_t k = 0; // the listed level at or before the sample
  for (std::size_t i = 0; i <= kPatternSteps; ++i) {
    const double angleDeg = gridAngleRad(extentRad, i) * kDegreesPerRadian;
    while (k + 2 < levels.size() && levels[k + 1].angleDeg <= angleDeg)
      ++k;
    const PatternLevel &a = levels[k], &z = levels[k + 1];
    const double fraction = std::min((angleDeg - a.angleDeg) / (z.angleDeg - a.angleDeg), 1.0);
    // Relative to the strongest level, so that no level overflows 10^(dB/20).
    e[i] = std::pow(10.0, (a.eDb + fraction * (z.eDb - a.eDb) - peakDb) / 20.0);
    h[i] = std::pow(10.0, (a.hDb + fraction * (z.hDb - a.hDb) - peakDb) / 20.0);
    if (phased) {
      const PatternPhase &pa = phases[k], &pz = phases[k + 1];
      ePhase[i] = (pa.eDeg + fraction * (pz.eDeg - pa.eDeg)) / kDegreesPerRadian;
      hPhase[i] = (pa.hDeg + fraction * (pz.hDeg - pa.hDeg)) / kDegreesPerRadian;
    }
  }
  FeedPattern pattern(extentRad, e, h, source);
  if (phased)
    pattern.setPhases(std::move(ePhase), std::move(hPhase));
  return pattern;
}

} // namespace dishwright
