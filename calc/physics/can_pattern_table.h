// Real cans' far-field patterns from full-wave simulations: thin-walled round
// guides with a closed back, fed with TE11 (calc/physics/data/README.md says how
// they were made and checked). The rows of data/can_patterns.csv are compiled in
// at build time; nothing is read at run time.
#pragma once

#include "calc/physics/feed_pattern.h"

#include <cstddef>

namespace dishwright {

// One row of the table: a can `diameterWavelengths` across (inside, free-space
// wavelengths), at `angleDeg` off its axis (degrees): the E- and H-plane levels
// (dB against the axis) and phases (degrees against the axis, reference point the
// centre of the mouth, rising for a phase centre behind it).
struct CanPatternRow {
  double diameterWavelengths;
  double angleDeg;
  double eDb;
  double ePhaseDeg;
  double hDb;
  double hPhaseDeg;
};

// The rows as the table lists them: diameters rising in equal steps, each with
// kCanPatternAngles angles from 0 to 180 degrees in steps of 1. Made at build time.
extern const CanPatternRow kCanPatternRows[];
extern const std::size_t kCanPatternRowCount;
inline constexpr std::size_t kCanPatternAngles = 181;

// The smallest and the largest can simulated, inside diameter in free-space
// wavelengths (0.60 and 1.30).
double simulatedCanLowestWavelengths();
double simulatedCanHighestWavelengths();
// True for a can `diameterWavelengths` across within that range (a rounding's
// width past either end counting as at it).
bool simulatedCanCovers(double diameterWavelengths);

// The pattern of a can `diameterWavelengths` across (inside, free-space
// wavelengths), with its phases referred to the centre of its mouth, 0 to 180
// degrees: at each angle, level (dB) and phase are linear between the two
// simulated diameters either side and between whole degrees. Throws InputError
// unless the diameter lies within the table's range.
FeedPattern simulatedCanPattern(double diameterWavelengths);

} // namespace dishwright
