#include "calc/physics/can_pattern_table.h"

#include "calc/common/figure_text.h"
#include "calc/common/input_error.h"
#include "calc/common/units.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace dishwright {
namespace {

// A diameter this close to an end of the table lies at that end, wavelengths:
// the table's diameters carry two decimals.
constexpr double kDiameterRounding = 1e-9;

std::size_t canCount() { return kCanPatternRowCount / kCanPatternAngles; }

const CanPatternRow &row(std::size_t can, std::size_t angleDeg) {
  return kCanPatternRows[can * kCanPatternAngles + angleDeg];
}

// One can's samples at whole degrees, each value linear in the diameter.
struct DegreeSamples {
  std::vector<double> eDb, ePhaseDeg, hDb, hPhaseDeg;
};

DegreeSamples samplesAt(double diameterWavelengths) {
  const double first = simulatedCanLowestWavelengths();
  const double step =
      (simulatedCanHighestWavelengths() - first) / static_cast<double>(canCount() - 1);
  const double place = std::max((diameterWavelengths - first) / step, 0.0);
  const std::size_t below = std::min(static_cast<std::size_t>(place), canCount() - 2);
  const double fraction = std::min(place - static_cast<double>(below), 1.0);
  DegreeSamples out;
  for (std::size_t a = 0; a < kCanPatternAngles; ++a) {
    const CanPatternRow &low = row(below, a), &high = row(below + 1, a);
    const auto mix = [fraction](double x, double y) { return x + fraction * (y - x); };
    out.eDb.push_back(mix(low.eDb, high.eDb));
    out.ePhaseDeg.push_back(mix(low.ePhaseDeg, high.ePhaseDeg));
    out.hDb.push_back(mix(low.hDb, high.hDb));
    out.hPhaseDeg.push_back(mix(low.hPhaseDeg, high.hPhaseDeg));
  }
  return out;
}

// `values` at whole degrees, linear between them, at `angleDeg` (0 to 180).
double betweenDegrees(const std::vector<double> &values, double angleDeg) {
  const std::size_t below = std::min(static_cast<std::size_t>(angleDeg), values.size() - 2);
  const double fraction = angleDeg - static_cast<double>(below);
  return values[below] + fraction * (values[below + 1] - values[below]);
}

} // namespace

double simulatedCanLowestWavelengths() { return kCanPatternRows[0].diameterWavelengths; }

double simulatedCanHighestWavelengths() {
  return kCanPatternRows[kCanPatternRowCount - 1].diameterWavelengths;
}

bool simulatedCanCovers(double diameterWavelengths) {
  return diameterWavelengths >= simulatedCanLowestWavelengths() - kDiameterRounding &&
         diameterWavelengths <= simulatedCanHighestWavelengths() + kDiameterRounding;
}

FeedPattern simulatedCanPattern(double diameterWavelengths) {
  if (!simulatedCanCovers(diameterWavelengths))
    throw InputError("the simulated cans are " + plainFigureText(simulatedCanLowestWavelengths()) +
                     " to " + plainFigureText(simulatedCanHighestWavelengths()) +
                     " wavelength across, not " + plainFigureText(diameterWavelengths));
  const DegreeSamples can = samplesAt(diameterWavelengths);
  std::vector<double> e(kPatternSteps + 1), h(e.size()), ePhase(e.size()), hPhase(e.size());
  for (std::size_t i = 0; i < e.size(); ++i) {
    const double angleDeg = 180.0 * static_cast<double>(i) / static_cast<double>(kPatternSteps);
    e[i] = std::pow(10.0, betweenDegrees(can.eDb, angleDeg) / 20.0);
    h[i] = std::pow(10.0, betweenDegrees(can.hDb, angleDeg) / 20.0);
    ePhase[i] = betweenDegrees(can.ePhaseDeg, angleDeg) / kDegreesPerRadian;
    hPhase[i] = betweenDegrees(can.hPhaseDeg, angleDeg) / kDegreesPerRadian;
  }
  FeedPattern pattern(kPi, std::move(e), std::move(h));
  pattern.setPhases(std::move(ePhase), std::move(hPhase));
  return pattern;
}

} // namespace dishwright
