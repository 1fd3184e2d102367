// Where a feed's waves seem to come from (its phase centre), and what a feed
// placed off the focus along the dish's axis loses (the phase efficiency).
#pragma once

#include "calc/physics/feed_pattern.h"

#include <optional>

namespace dishwright {

// The main beam the phase centre is fitted over: each plane from the axis down
// to this level, dB against the axis.
inline constexpr double kPhaseCentreBeamDb = -10;

// Distances of the phase centre behind the pattern's reference point (a can's
// mouth), free-space wavelengths; negative in front of it, toward the dish.
struct PhaseCentre {
  double eWavelengths = 0;
  double hWavelengths = 0;
  double meanWavelengths = 0; // (E + H) / 2: the place to put at the focus
};

// The phase centre of `pattern` in each plane: the d whose phase k d (1 - cos t)
// (plus a constant) fits the plane's phase best over its main beam, least squares
// weighted by the power. Throws InputError unless the pattern has phases.
PhaseCentre phaseCentre(const FeedPattern &pattern);

// The phase efficiency (0 to 1) of `pattern` lighting a dish of `fd` (ratio) with
// its reference point `inFrontWavelengths` in front of the focus (toward the dish;
// negative behind it), free-space wavelengths:
//   |integral (E e^(j phiE) + H e^(j phiH)) tan(t/2) dt|^2 / (integral (E + H) tan(t/2) dt)^2
// from 0 to the rim, with phi the feed's own phase less k s (1 - cos t): a source
// s in front of the focus reaches the aperture plane by a path longer by
// s (1 - cos t) at angle t than on the axis, to first order in s (the paraboloid's
// equal paths from its focus). The efficiency is Kildal's phase efficiency
// (P.-S. Kildal, Foundations of Antennas, 2000, reflector antennas: the aperture
// efficiency split into spillover, illumination, polarisation and phase).
// Throws InputError unless `fd` is greater than 0 and the
// pattern reaches the rim.
double phaseEfficiency(const FeedPattern &pattern, double fd, double inFrontWavelengths);

// The farthest a feed may be placed off its phase centre along the axis for the
// phase efficiency, free-space wavelengths: farther, the feed is not near the
// focus, the first-order path no longer holds, and the pattern's samples are too
// coarse for the phase.
inline constexpr double kMostDefocusWavelengths = 10;

// What a feed's phase gives on a dish: its phase centre when the pattern has
// phases, and the phase efficiency with the reference point at the phase centre
// (at the reference point itself for a pattern without phases) moved
// `defocusWavelengths` toward the dish, when the pattern has phases or a defocus
// is given. Throws InputError for a defocus past kMostDefocusWavelengths.
struct FeedPhaseFigures {
  std::optional<PhaseCentre> centre;
  std::optional<double> efficiency; // 0 to 1
};
FeedPhaseFigures feedPhaseFigures(const FeedPattern &pattern, double fd,
                                  std::optional<double> defocusWavelengths);

} // namespace dishwright
