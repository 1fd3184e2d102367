#include "calc/physics/dish_measure.h"

#include "calc/common/input_checks.h"
#include "calc/common/input_error.h"

#include "calc/common/units.h"

#include <cmath>
#include <string>
#include <utility>

namespace dishwright {
namespace {

// Sizes of wildly different magnitude (1e300 across, 1e-300 deep) overflow or
// underflow a double; better to say so than to print "inf".
void requireComputable(double focalLength, double fd) {
  if (!(focalLength > 0) || !(fd > 0) || !std::isfinite(focalLength) || !std::isfinite(fd))
    throw InputError("these sizes are too far apart to compute with");
  requireDishFd(fd, "these sizes");
}

// The f/D of a prime-focus dish whose rim is seen from the focus under the full
// angle `subtendedRad`: the feed only cares how wide the dish looks.
double fdSeenUnder(double subtendedRad) { return 1.0 / (4.0 * std::tan(subtendedRad / 4.0)); }

// The feed of an offset dish whose rim ends of the long axis are seen from the
// focus at `nearAngleRad` and `farAngleRad` off the parent's axis (radians).
void placeFeed(OffsetDish &dish, double nearAngleRad, double farAngleRad, double height) {
  // The focal radius of a paraboloid: 2F / (1 + cos t) at angle t off its axis.
  const double twoF = 2.0 * dish.focalLength;
  dish.focusToNearRim = twoF / (1.0 + std::cos(nearAngleRad));
  dish.focusToFarRim = twoF / (1.0 + std::cos(farAngleRad));
  dish.feedHalfAngleDeg = (farAngleRad - nearAngleRad) / 2.0 * kDegreesPerRadian;
  // The straightedge joins the two rim ends, so it is as long as the height, and
  // the feed's axis halves the angle at the focus of the triangle focus - near
  // rim - far rim: it cuts the straightedge in the ratio of the two tapes.
  dish.aimFromNearRim = height * dish.focusToNearRim / (dish.focusToNearRim + dish.focusToFarRim);
}

} // namespace

PrimeFocusDish measurePrimeFocus(double diameter, double depth) {
  requirePositive(diameter, "diameter");
  requirePositive(depth, "depth");
  PrimeFocusDish dish;
  dish.focalLength = diameter * diameter / (16.0 * depth);
  dish.fd = diameter / (16.0 * depth);
  requireComputable(dish.focalLength, dish.fd);
  const double rimAngleRad = 2.0 * std::atan(1.0 / (4.0 * dish.fd));
  dish.rimAngleDeg = rimAngleRad * kDegreesPerRadian;
  // The path from the focus to the surface grows as 1 / cos^2(psi/2) and the power
  // density falls with its square: cos^4(psi/2), hence 40 log10.
  dish.rimLossDb = -40.0 * std::log10(std::cos(rimAngleRad / 2.0));
  return dish;
}

OffsetDish measureOffset(double width, double height, double depth) {
  requirePositive(width, "width");
  requirePositive(height, "height");
  requirePositive(depth, "depth");
  OffsetDish dish;
  // Which axis is which is easy to mix up, and only one order makes a dish.
  dish.axesSwapped = width > height;
  if (dish.axesSwapped)
    std::swap(width, height);
  dish.width = width;
  dish.height = height;
  dish.focalLength = width * width * width / (16.0 * depth * height);
  const double offsetRad = std::acos(width / height);
  dish.offsetAngleDeg = offsetRad * kDegreesPerRadian;
  // Rim points of the cut, measured across the axis of the parent paraboloid.
  const double centre = 2.0 * dish.focalLength * std::tan(offsetRad);
  const double nearRim = centre - width / 2.0, farRim = centre + width / 2.0;
  dish.nearRim = nearRim;
  dish.farRim = farRim;
  const double nearAngle = 2.0 * std::atan(nearRim / (2.0 * dish.focalLength));
  const double farAngle = 2.0 * std::atan(farRim / (2.0 * dish.focalLength));
  dish.fd = fdSeenUnder(farAngle - nearAngle);
  requireComputable(dish.focalLength, dish.fd);
  placeFeed(dish, nearAngle, farAngle, height);
  return dish;
}

} // namespace dishwright
