// How well a feed lights a prime-focus dish: the share of its power the dish
// catches (spillover), how evenly it lights the dish (illumination), their
// product (aperture efficiency), the f/D that suits it best, and the gain of a
// real dish with a blocking feed and an imperfect surface.
#pragma once

#include "calc/common/length_unit.h"
#include "calc/physics/feed_pattern.h"

#include <vector>

namespace dishwright {

// The f/D range plotted and searched first for the best dish for a feed, ratio.
inline constexpr double kBestFdLowest = 0.2;
inline constexpr double kBestFdHighest = 1.5;
// How far up the search goes when the best lies at kBestFdHighest, as a narrow
// feed's does (cos^100 is best at 2.24), ratio: a dish this flat (rim angle 11.4
// degrees) is a plate, and no feed is built for it.
inline constexpr double kBestFdWidestHighest = 5;

// One feed on a dish of one f/D.
struct FeedOnDish {
  double fd = 0;           // focal length / diameter, ratio
  double rimAngleDeg = 0;  // half-angle from the focus to the rim, degrees
  double edgeTaperDb = 0;  // rim level against the centre with the longer path, dB
                           // (negative, never below kPatternFloorDb)
  double spillover = 0;    // share of the feed's power that hits the dish, 0 to 1
  double illumination = 0; // evenness of the co-polar lighting (taper efficiency), 0 to 1
  // Share of the power caught that is in the feed's own polarisation (Ludwig's
  // third definition), 0 to 1: an E plane unlike the H plane sends the rest across.
  double crossPolar = 1;
  double aperture = 0; // spillover x illumination x cross-polar, 0 to 1
};

// Where the best f/D lies in the range searched.
enum class BestFdEdge {
  Inside,  // a true peak
  Lowest,  // at kBestFdLowest: the best is there or below
  Highest, // at kBestFdWidestHighest: the best is there or above
};

struct BestFd {
  double fd = 0;       // the f/D with the highest aperture efficiency, ratio
  double aperture = 0; // that efficiency, 0 to 1 (at an edge, the best is at least this)
  BestFdEdge edge = BestFdEdge::Inside;
};

// A feed's efficiencies at any f/D. Built once per pattern (running integrals on
// the pattern's grid, O(samples)); each f/D after that costs O(1).
class FeedEfficiencies {
public:
  explicit FeedEfficiencies(FeedPattern pattern);

  const FeedPattern &pattern() const { return pattern_; }
  // On a dish of `fd` (ratio). Throws InputError unless it is greater than 0, and
  // for a listed pattern that stops short of the dish's rim: the pattern stops at
  // 40 degrees; the dish's rim is at 64.011 degrees.
  FeedOnDish at(double fd) const;
  // At `count` f/D values evenly from `lowestFd` to `highestFd` (ratios), for a
  // plot; a listed pattern counts as sending nothing past its end. Throws
  // InputError unless 0 < lowestFd < highestFd and count >= 2.
  std::vector<FeedOnDish> curve(double lowestFd, double highestFd, int count) const;
  // The f/D with the highest aperture efficiency, to 1e-6 in f/D: a scan in
  // steps of 0.01 from kBestFdLowest to kBestFdHighest, carried on up to
  // kBestFdWidestHighest while the best sits at the top, then a golden-section
  // search around the best step. A best at either end of the range is marked so.
  BestFd best() const;

private:
  // On a dish of `fd` (ratio, greater than 0), a listed pattern sending nothing
  // past its end.
  FeedOnDish evaluate(double fd) const;

  double powerWithin(double angleRad) const;
  double focusedWithin(double angleRad) const;
  double crossWithin(double angleRad) const;

  FeedPattern pattern_;
  // Running integrals from 0 to each sample, radians: of (E^2 + H^2) sin t, the
  // power the feed sends within t, of (E + H) tan(t/2), the field the dish
  // sums in phase at its focus, and of (E - H)^2 sin t, four times the
  // cross-polar power within t.
  std::vector<double> power_;
  std::vector<double> focused_;
  std::vector<double> cross_;
};

struct DishForGain {
  double diameter = 0; // feet or metres, as `unit` says
  DishSizeUnit unit = DishSizeUnit::Metres;
  double frequencyMHz = 0;
  double blockageDiameter = 0; // feed or housing in the beam, inches or mm (0: none)
  double surfaceErrorRms = 0;  // RMS error of the surface, inches or mm (0: perfect)
};

struct DishGain {
  double blockage = 0; // efficiency left by the blocking feed, (1 - (b/D)^2)^2, 0 to 1
  double surface = 0;  // efficiency left by the surface error (Ruze), 0 to 1
  double total = 0;    // aperture x blockage x surface, 0 to 1
  double gainDbi = 0;  // 10 log10(total (pi D / lambda)^2), dBi
};

// The gain of `dish` lit with `apertureEfficiency` (0 to 1, from a feed's
// FeedOnDish). Throws InputError naming the input unless the diameter and the
// frequency are greater than 0, the efficiency lies in (0, 1], the blockage and
// the surface error are not negative, the blockage is smaller than the dish, and
// the gain is a finite number.
DishGain dishGain(const DishForGain &dish, double apertureEfficiency);

} // namespace dishwright
