// The dish's own curve, which every part of the program draws or measures.
#pragma once

namespace dishwright {

// Depth z = r^2 / (4 f) of a paraboloid of focal length `focalLength` at `radius`
// from its axis, measured from the plane of its vertex; all in one length unit.
inline double paraboloidDepth(double focalLength, double radius) {
  return radius * radius / (4 * focalLength);
}

} // namespace dishwright
