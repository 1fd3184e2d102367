// The modes a round guide (a can) carries. Each mode starts to propagate once the
// inside diameter passes its cutoff, root / pi free-space wavelengths, the root a
// zero of a Bessel function or of its derivative. The can check and the feed
// model both judge a can by these figures.
#pragma once

#include "calc/common/length_unit.h"

#include <vector>

namespace dishwright {

// Bessel-function roots that set the cutoffs of a round guide, dimensionless:
// x'11 for TE11 (the wanted mode), x01 for TM01, x'21 for TE21, and x'01, which
// equals x11, for TE01 and TM11 together.
inline constexpr double kTe11BesselRoot = 1.841184;
inline constexpr double kTm01BesselRoot = 2.404826;
inline constexpr double kTe21BesselRoot = 3.054237;
inline constexpr double kTe01Tm11BesselRoot = 3.831706;

// Inside diameter, free-space wavelengths, below which a can sits so close to its
// TE11 cutoff (0.586) that it radiates weakly and over a narrow band, and the
// open-can model of its pattern is poor.
inline constexpr double kCanWeakBelowWavelengths = 0.62;

// The modes above TE11, lowest cutoff first.
enum class HigherMode { Tm01, Te21, Te01Tm11 };

// "TM01", "TE21" or "TE01/TM11".
const char *modeName(HigherMode mode);
// The Bessel root of `mode`'s cutoff, dimensionless.
double besselRoot(HigherMode mode);
// The inside diameter at which a mode of Bessel root `root` (dimensionless)
// starts to propagate, free-space wavelengths: root / pi.
double cutoffWavelengths(double root);

// What a can of a given size carries, judged against the free-space wavelength.
struct CanModes {
  double diameterWavelengths = 0;      // inside diameter, free-space wavelengths
  bool weak = false;                   // below kCanWeakBelowWavelengths
  std::vector<HigherMode> higherModes; // carried besides TE11, lowest cutoff first
};

// The modes of a can `diameterWavelengths` across (free-space wavelengths, above
// the TE11 cutoff: the caller refuses a can below it).
CanModes canModes(double diameterWavelengths);
// The same for a can of inside diameter `diameter` (in `unit`) at `frequencyMHz`,
// with the exact speed of light the feed model uses.
CanModes canModes(double diameter, LengthUnit unit, double frequencyMHz);

} // namespace dishwright
