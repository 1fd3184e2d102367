// How good the surface of a dish is, from depths measured across it: the best
// parabola through the points, its focus, and how far the surface strays from it.
#pragma once

#include "calc/common/length_unit.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace dishwright {

// One measurement: the depth `z` of the surface at radius `r` from the axis, both
// in the same length unit (r may be negative for points across the centre).
struct SurfacePoint {
  double r = 0;
  double z = 0;
};

struct SurfaceFit {
  std::size_t points = 0;  // how many points the fit used
  double curvature = 0;    // a of z = a r^2 + c, per unit of length
  double vertexDepth = 0;  // c of z = a r^2 + c, unit of the input
  double focalLength = 0;  // 1 / (4 a), unit of the input
  double diameter = 0;     // twice the largest |r| measured, unit of the input
  double fd = 0;           // focal length / diameter, ratio
  double rmsError = 0;     // RMS of the half path-length errors, unit of the input
  double oneDbLossMHz = 0; // frequency at which the surface costs 1 dB of gain, MHz
                           // (infinity when every point lies on the parabola)
};

// Least-squares z = a r^2 + c through `points` (in `unit`). Each residual is
// scaled by 1 / (1 + (r / 2f)^2), the share of it that delays the wave, before
// the RMS. Throws InputError for fewer than 3 points, fewer than two different
// radii, or points that do not deepen away from the axis. O(n), one pass for the
// sums and one for the residuals.
SurfaceFit fitSurface(const std::vector<SurfacePoint> &points, LengthUnit unit);

// The residual of one point against `fit`, scaled to a half path-length error,
// unit of the input.
double surfaceError(const SurfaceFit &fit, SurfacePoint point);

// Depth z of the fitted parabola at radius `r`, unit of the input.
double fittedDepth(const SurfaceFit &fit, double r);

// Gain lost to a surface with RMS error `rmsError` (in `unit`) at `frequencyMHz`,
// dB (positive). Throws InputError unless the frequency is greater than 0.
double surfaceLossDb(double rmsError, LengthUnit unit, double frequencyMHz);

// "r z" lines: two numbers separated by blanks, tabs, a comma or a semicolon;
// everything from a # on is a comment and blank lines are skipped. One line at a
// time, so that a reader of standard input stops at the first bad line.
class SurfaceReader {
public:
  // Throws InputError naming the line by its number and showing it: line 4:
  // expected two numbers, radius and depth, not "300"; with a hint when the line
  // holds decimal commas.
  void addLine(std::string_view line);
  const std::vector<SurfacePoint> &points() const { return points_; }
  std::vector<SurfacePoint> takePoints() { return std::move(points_); }

private:
  std::size_t lineNumber_ = 0;
  std::vector<SurfacePoint> points_;
};

// Every line of `text` (a byte-order mark at its start skipped) through a
// SurfaceReader.
std::vector<SurfacePoint> parseSurfacePoints(std::string_view text);

} // namespace dishwright
