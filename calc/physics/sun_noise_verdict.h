// What a dish's aperture efficiency measured on the sun says: against what amateur
// dishes reach, and where to look when it is out of that range. The words are made
// here so that every front end says the same.
#pragma once

#include <string>

namespace dishwright {

// The aperture efficiencies, ratio, between which amateur dishes usually land,
// and the most any dish can reach.
inline constexpr double kTypicalEfficiencyLowest = 0.45;
inline constexpr double kTypicalEfficiencyHighest = 0.70;
inline constexpr double kPossibleEfficiencyHighest = 1.0;

enum class EfficiencyVerdict {
  Low,       // below kTypicalEfficiencyLowest: pointing, flux, feed or surface to look at
  Typical,   // kTypicalEfficiencyLowest to kTypicalEfficiencyHighest
  High,      // above typical, up to kPossibleEfficiencyHighest: a fine dish, or a figure too high
  Impossible // above kPossibleEfficiencyHighest: the measurement or its inputs are wrong
};

struct EfficiencyJudgement {
  EfficiencyVerdict verdict = EfficiencyVerdict::Typical;
  // The efficiency in percent and what it says, as sentences without the final
  // full stop: "60 %: typical of a well-made amateur dish (45 to 70 %)".
  std::string words;
};

// How a measured aperture efficiency `efficiency` (ratio, not percent) compares
// with what amateur dishes reach, and what to look at when it is too low or too
// high. The efficiency rises with the sun noise and the system temperature typed
// and falls with the flux and the diameter, so a figure too high points at a
// system temperature or sun noise too high, a flux or diameter too low. Throws
// InputError unless `efficiency` is greater than 0.
EfficiencyJudgement judgeApertureEfficiency(double efficiency);

} // namespace dishwright
