// Where the focus of a dish the builder already owns lies, from a few measured
// sizes. Every length is in whatever one unit the sizes were measured in.
#pragma once

#include "calc/physics/paraboloid.h"

namespace dishwright {

// A prime-focus dish: a round paraboloid fed from its axis.
struct PrimeFocusDish {
  double focalLength = 0; // distance from the vertex to the focus, unit of the input
  double fd = 0;          // focal length / diameter, ratio
  double rimAngleDeg = 0; // half-angle from the focus to the rim, degrees
  double rimLossDb = 0;   // extra spreading loss of the feed's wave at the rim, dB (positive)
};

// From the rim diameter and the depth at the centre below a straightedge across the
// rim (both in one length unit). Throws InputError unless both are greater than 0.
PrimeFocusDish measurePrimeFocus(double diameter, double depth);

// An offset dish: an elliptical cut from one side of a larger paraboloid, the
// shape of most satellite television dishes.
struct OffsetDish {
  double width = 0;          // the short axis, the smaller of the two sizes, unit of the input
  double height = 0;         // the long axis, the larger of the two sizes, unit of the input
  bool axesSwapped = false;  // the sizes came as height then width, and were taken so
  double focalLength = 0;    // focal length of the parent paraboloid, unit of the input
  double offsetAngleDeg = 0; // tilt of the dish face from the beam direction, degrees
  double fd = 0;             // the f/D of a prime-focus dish the feed would see the same way
  double nearRim = 0; // distance of the rim nearer the parent's axis from it, unit of the input
  double farRim = 0;  // distance of the farther rim from the parent's axis, unit of the input
  // Where the feed goes, set with two tapes from the ends of the long axis.
  double focusToNearRim = 0;   // from the focus to the near end of the long axis, unit of the input
  double focusToFarRim = 0;    // from the focus to the far end of the long axis, unit of the input
  double feedHalfAngleDeg = 0; // half the angle the long axis fills seen from the focus, degrees
  // Along a straightedge across the long axis, from the near rim to where the
  // feed's axis (halving that angle) crosses it, unit of the input.
  double aimFromNearRim = 0;
};

// From the width (short axis), the height (long axis) and the greatest depth
// below a straightedge laid along the height, all in one length unit. The two
// axes may come in either order: the larger is the height (`axesSwapped` says
// when it came first). Throws InputError unless every size is greater than 0.
OffsetDish measureOffset(double width, double height, double depth);

} // namespace dishwright
