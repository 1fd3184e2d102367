// How a feed lights an offset dish, worked out over the dish's true aperture
// rather than through the prime-focus dish of the same rim angle: the feed's
// field is followed to the surface of the parent paraboloid, reflected there and
// summed over the circle the dish projects along the parent's axis. The same
// sums over a centred circle are the prime-focus dish, and they give the share
// of the field a feed, its housing or its struts block.
#pragma once

#include "calc/physics/dish_measure.h"
#include "calc/physics/feed_pattern.h"

namespace dishwright {

// The aperture of a dish cut from a paraboloid: the circle its rim projects
// along the paraboloid's axis. All lengths in one unit, any unit.
struct ApertureCircle {
  double focalLength = 0; // focal length of the parent paraboloid, the unit of the lengths
  double centre = 0;      // the circle's centre from the parent's axis (0: prime focus)
  double radius = 0;      // half the dish's width, the diameter of the circle over 2
};

// The aperture of a measured offset dish: its width across, centred halfway
// between its near and far rims. The aperture of a prime-focus dish of `fd`
// (ratio) and `diameter` (any unit) is centred on the axis.
ApertureCircle offsetAperture(const OffsetDish &dish);
ApertureCircle primeAperture(double fd, double diameter);

// A feed on an offset dish, aimed `aimDeg` degrees from the aim point (the
// bisector of the angle the long axis fills at the focus) toward the far rim.
// The feed's E plane lies along the long axis (the plane of symmetry).
struct OffsetOnDish {
  double aimDeg = 0;       // the aim, degrees toward the far rim from the aim point
  double spillover = 0;    // share of the feed's power that hits the dish, 0 to 1
  double illumination = 0; // evenness of the co-polar field over the aperture, 0 to 1
  double crossPolar = 0;   // share of the power caught that stays co-polar, 0 to 1
  double aperture = 0;     // spillover x illumination x cross-polar, 0 to 1
  // The field at the ends of the long axis, path included, against that where the
  // feed's axis meets the dish, dB (negative where weaker).
  double nearRimLevelDb = 0;
  double farRimLevelDb = 0;
};

// The best aim and the aperture efficiency it gives.
struct BestAim {
  double aimDeg = 0;   // degrees toward the far rim from the aim point
  double aperture = 0; // 0 to 1
};

// Shares of the in-phase co-polar field of the aperture that a blockage hides,
// 0 to 1: the gain falls by (1 - share)^2 (the aperture-blocking approximation).
struct BlockedField {
  double disc = 0;   // a disc centred where the focus projects, the feed or its housing
  double struts = 0; // struts from the rim to the feed, outside that disc
};

// A feed pattern on one aperture. The sums are Gauss-Legendre across the radius
// and equal steps around the circle; the feed's power is its pattern's integral.
class OffsetIllumination {
public:
  // Throws InputError unless the focal length and the radius are greater than 0
  // and the centre is not negative.
  OffsetIllumination(FeedPattern pattern, ApertureCircle aperture);

  // The feed aimed `aimDeg` (degrees toward the far rim from the aim point).
  // Throws InputError for a listed pattern that stops short of the farthest rim.
  OffsetOnDish at(double aimDeg) const;
  // The aim with the highest aperture efficiency, to 0.001 degree, searched
  // within the feed's half-angle either side of the aim point.
  BestAim best() const;
  // The shares a disc `discDiameter` across (the aperture's unit) centred where
  // the focus projects, and `strutCount` struts `strutWidth` wide (that unit)
  // from the rim to the feed, hide of the field of the feed aimed `aimDeg`. The
  // struts stand evenly round the rim, the first at the near rim; each shades a
  // strip its width wide from its foot to the disc (its shadow in the plane wave).
  BlockedField blocked(double aimDeg, double discDiameter, int strutCount, double strutWidth) const;

  // Half the angle the long axis fills at the focus, degrees.
  double feedHalfAngleDeg() const;

private:
  struct Aim; // the feed's axis and its E-plane direction
  struct Field {
    double coPolar = 0, crossPolar = 0; // in the aperture, per unit of the feed's axis field
  };
  Aim aimAt(double aimDeg) const;
  Field fieldAt(const Aim &aim, double x, double y) const;
  double axisField(const Aim &aim) const;
  double coPolarSum(const Aim &aim) const;
  double rimLevelDb(const Aim &aim, double x) const;

  FeedPattern pattern_;
  ApertureCircle circle_;
  double feedPowerTotal_ = 0; // pi times the integral of (E^2 + H^2) sin t over the pattern
  double nearAngleRad_ = 0;   // the near rim's angle off the parent's axis at the focus, radians
  double farAngleRad_ = 0;    // the far rim's, radians
};

} // namespace dishwright
