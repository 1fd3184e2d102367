#include "calc/physics/feed_efficiency.h"

#include "calc/common/figure_text.h"
#include "calc/common/input_checks.h"
#include "calc/common/input_error.h"
#include "calc/common/units.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

namespace dishwright {
namespace {

// Width of a step of the coarse scan for the best f/D, ratio.
constexpr double kBestFdScanStep = 0.01;
// Width in f/D at which the golden-section search stops, ratio.
constexpr double kBestFdTolerance = 1e-7;
// A best f/D this close to an end of the range searched sits at that end, ratio.
constexpr double kBestFdAtEdge = 10 * kBestFdTolerance;
// A listed pattern is taken to reach the rim when it stops this little short of
// it, degrees: the rounding of a degree to radians and back.
constexpr double kRimReachedDeg = 1e-9;

// Power the feed sends at angle t (radians) per unit angle, both planes.
double powerAt(double angleRad, double e, double h) { return (e * e + h * h) * std::sin(angleRad); }

// The field at angle t (radians) as the dish sums it at its focus, per unit angle.
double focusedAt(double angleRad, double e, double h) { return (e + h) * std::tan(angleRad / 2.0); }

// The cross-polar power at angle t (radians) per unit angle, four times over:
// Ludwig's cross-polar field (E - H) sin p cos p averages to (E - H)^2 / 8 in
// power around the axis, against (E^2 + H^2) / 2 for the whole.
double crossAt(double angleRad, double e, double h) {
  return (e - h) * (e - h) * std::sin(angleRad);
}

using Integrand = double (*)(double, double, double);

std::vector<double> runningIntegral(const FeedPattern &pattern, Integrand integrand) {
  std::vector<double> table(pattern.sampleCount(), 0.0);
  const double step = pattern.stepRad();
  double previous = integrand(0, pattern.eAmplitude(0), pattern.hAmplitude(0));
  for (std::size_t i = 1; i < table.size(); ++i) {
    const double value =
        integrand(static_cast<double>(i) * step, pattern.eAmplitude(i), pattern.hAmplitude(i));
    table[i] = table[i - 1] + step * (previous + value) / 2.0;
    previous = value;
  }
  return table;
}

// The integral of `integrand` from 0 to `angleRad` (radians): the table to the
// sample below, then the trapezoid to the angle itself. The table's last entry is
// never read, so a pattern reaching 180 degrees never meets tan(90 degrees).
double integralTo(const FeedPattern &pattern, const std::vector<double> &table, Integrand integrand,
                  double angleRad) {
  const double t = std::min(angleRad, pattern.extentRad());
  const std::size_t i = std::min(static_cast<std::size_t>(t / pattern.stepRad()), table.size() - 2);
  const double below = static_cast<double>(i) * pattern.stepRad();
  const double atSample = integrand(below, pattern.eAmplitude(i), pattern.hAmplitude(i));
  const double atAngle = integrand(t, pattern.eAmplitudeAt(t), pattern.hAmplitudeAt(t));
  return table[i] + (t - below) * (atSample + atAngle) / 2.0;
}

double levelDb(double power) { return std::max(10.0 * std::log10(power), kPatternFloorDb); }

using ApertureOf = std::function<double(double)>; // of the f/D

// The f/D of the highest aperture efficiency between `low` and `high`, golden section.
double goldenBest(const ApertureOf &aperture, double low, double high) {
  const double ratio = (std::sqrt(5.0) - 1.0) / 2.0;
  double a = high - ratio * (high - low), b = low + ratio * (high - low);
  double fa = aperture(a), fb = aperture(b);
  while (high - low > kBestFdTolerance) {
    if (fa < fb) {
      low = a, a = b, fa = fb;
      b = low + ratio * (high - low), fb = aperture(b);
    } else {
      high = b, b = a, fb = fa;
      a = high - ratio * (high - low), fa = aperture(a);
    }
  }
  return (low + high) / 2.0;
}

// The best of a scan from `low` to `high` in steps of about kBestFdScanStep.
struct ScanPeak {
  double low = 0, high = 0, step = 0; // the range scanned and its step, f/D
  int steps = 0;                      // steps in the range, count
  int best = 0;                       // the step with the highest efficiency, from 0
  double aperture = -1;               // that efficiency, 0 to 1
};

ScanPeak scanPeak(const ApertureOf &aperture, double low, double high) {
  ScanPeak peak{low, high, 0, static_cast<int>(std::lround((high - low) / kBestFdScanStep))};
  peak.step = (high - low) / peak.steps;
  for (int k = 0; k <= peak.steps; ++k) {
    const double value = aperture(low + k * peak.step);
    if (value > peak.aperture)
      peak.best = k, peak.aperture = value;
  }
  return peak;
}

} // namespace

FeedEfficiencies::FeedEfficiencies(FeedPattern pattern)
    : pattern_(std::move(pattern)), power_(runningIntegral(pattern_, powerAt)),
      focused_(runningIntegral(pattern_, focusedAt)), cross_(runningIntegral(pattern_, crossAt)) {
  if (!(power_.back() > 0))
    throw InputError("the feed's pattern sends no power off its axis");
}

double FeedEfficiencies::powerWithin(double angleRad) const {
  return integralTo(pattern_, power_, powerAt, angleRad);
}

double FeedEfficiencies::focusedWithin(double angleRad) const {
  return integralTo(pattern_, focused_, focusedAt, angleRad);
}

double FeedEfficiencies::crossWithin(double angleRad) const {
  return integralTo(pattern_, cross_, crossAt, angleRad);
}

FeedOnDish FeedEfficiencies::at(double fd) const {
  requirePositive(fd, "f/D");
  const FeedOnDish out = evaluate(fd);
  // Past its last angle a listed pattern is not known, and a rim lit from there
  // would have its taper and its spillover made up.
  if (pattern_.source().listed && out.rimAngleDeg > pattern_.extentDeg() + kRimReachedDeg)
    throw InputError("the pattern stops at " + plainFigureText(pattern_.extentDeg()) +
                     " degrees; the dish's rim is at " + plainFigureText(out.rimAngleDeg) +
                     " degrees");
  return out;
}

FeedOnDish FeedEfficiencies::evaluate(double fd) const {
  FeedOnDish out;
  out.fd = fd;
  const double rimRad = 2.0 * std::atan(1.0 / (4.0 * fd));
  out.rimAngleDeg = rimRad * kDegreesPerRadian;
  const double total = power_.back();
  out.spillover = powerWithin(rimRad) / total;
  // cot(rim / 2) = 4 f/D; squared after the product so a huge f/D does not overflow.
  const double focused = 4.0 * fd * focusedWithin(rimRad);
  out.aperture = focused * focused / total;
  const double caught = powerWithin(rimRad);
  constexpr double kCrossShare = 0.25; // of (E - H)^2 against (E^2 + H^2), see crossAt
  out.crossPolar = caught > 0 ? 1.0 - kCrossShare * crossWithin(rimRad) / caught : 1.0;
  const double coPolar = out.spillover * out.crossPolar;
  out.illumination = coPolar > 0 ? out.aperture / coPolar : 0;
  const double e = pattern_.eAmplitudeAt(rimRad), h = pattern_.hAmplitudeAt(rimRad);
  const double e0 = pattern_.eAmplitude(0), h0 = pattern_.hAmplitude(0);
  // The rim is farther from the focus than the centre: (1 + cos t) / 2 in field.
  const double spreadingDb = 20.0 * std::log10((1.0 + std::cos(rimRad)) / 2.0);
  out.edgeTaperDb =
      std::max(levelDb(e * e + h * h) - levelDb(e0 * e0 + h0 * h0) + spreadingDb, kPatternFloorDb);
  return out;
}

std::vector<FeedOnDish> FeedEfficiencies::curve(double lowestFd, double highestFd,
                                                int count) const {
  requirePositive(lowestFd, "lowest f/D");
  requirePositive(highestFd, "highest f/D");
  if (!(highestFd > lowestFd))
    throw InputError("the highest f/D must be above the lowest");
  if (count < 2)
    throw InputError("a curve needs 2 points at least");
  std::vector<FeedOnDish> points;
  points.reserve(static_cast<std::size_t>(count));
  for (int k = 0; k < count; ++k)
    points.push_back(
        evaluate(k + 1 == count ? highestFd : lowestFd + (highestFd - lowestFd) * k / (count - 1)));
  return points;
}

BestFd FeedEfficiencies::best() const {
  const ApertureOf aperture = [this](double fd) { return evaluate(fd).aperture; };
  ScanPeak peak = scanPeak(aperture, kBestFdLowest, kBestFdHighest);
  // A narrow feed's best lies at the top or above: scanned on from the step below
  // the top, so that a peak between the two is bracketed.
  if (peak.best == peak.steps)
    peak = scanPeak(aperture, kBestFdHighest - peak.step, kBestFdWidestHighest);
  const double low = peak.low + std::max(peak.best - 1, 0) * peak.step;
  const double high = peak.low + std::min(peak.best + 1, peak.steps) * peak.step;
  BestFd best{goldenBest(aperture, low, high), 0, BestFdEdge::Inside};
  best.aperture = aperture(best.fd);
  if (best.aperture < peak.aperture)
    best = {peak.low + peak.best * peak.step, peak.aperture, BestFdEdge::Inside};
  if (best.fd - kBestFdLowest < kBestFdAtEdge)
    best = {kBestFdLowest, aperture(kBestFdLowest), BestFdEdge::Lowest};
  else if (kBestFdWidestHighest - best.fd < kBestFdAtEdge)
    best = {kBestFdWidestHighest, aperture(kBestFdWidestHighest), BestFdEdge::Highest};
  return best;
}

DishGain dishGain(const DishForGain &dish, double apertureEfficiency) {
  requirePositive(dish.diameter, "diameter");
  requirePositive(dish.frequencyMHz, "frequency");
  requirePositive(apertureEfficiency, "aperture efficiency");
  if (apertureEfficiency > 1)
    throw InputError("the aperture efficiency must not exceed 1");
  requireNotNegative(dish.blockageDiameter, "blockage diameter");
  requireNotNegative(dish.surfaceErrorRms, "surface error");
  const double diameterMm = dish.diameter * mmPerUnit(dish.unit);
  const double smallMmPerUnit = mmPerUnit(smallUnitOf(dish.unit));
  const double blockageMm = dish.blockageDiameter * smallMmPerUnit;
  const double surfaceErrorMm = dish.surfaceErrorRms * smallMmPerUnit;
  const double wavelengthMm = kSpeedOfLightMmMHz / dish.frequencyMHz;
  const double circumferenceWavelengths = kPi * diameterMm / wavelengthMm;
  if (!std::isfinite(circumferenceWavelengths))
    throw InputError("the diameter is too many wavelengths across to compute with");
  if (!(circumferenceWavelengths > 0))
    throw InputError("the diameter is too small a part of a wavelength to compute with");
  const double blockedShare = (blockageMm / diameterMm) * (blockageMm / diameterMm);
  if (!(blockedShare < 1))
    throw InputError("the blockage diameter must be smaller than the dish");
  DishGain gain;
  gain.blockage = (1.0 - blockedShare) * (1.0 - blockedShare);
  const double phaseRad = 4.0 * kPi * surfaceErrorMm / wavelengthMm;
  gain.surface = std::exp(-phaseRad * phaseRad);
  gain.total = apertureEfficiency * gain.blockage * gain.surface;
  if (!(gain.total > 0))
    throw InputError(gain.surface > 0 ? "the blockage diameter leaves too little of the dish"
                                      : "the surface error is too large for the dish to have "
                                        "any gain at this frequency");
  // In logarithms: (pi D / lambda)^2 alone overflows long before its decibels do.
  gain.gainDbi = 10.0 * std::log10(gain.total) + 20.0 * std::log10(circumferenceWavelengths);
  return gain;
}

} // namespace dishwright
