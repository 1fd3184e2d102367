#include "calc/physics/surface_fit.h"

#include "calc/common/decimal_text.h"
#include "calc/common/figure_text.h"
#include "calc/common/input_checks.h"
#include "calc/common/input_error.h"
#include "calc/common/text_lines.h"

#include "calc/common/units.h"

#include <cmath>
#include <string>

namespace dishwright {
namespace {

// 10 log10(e): dB per neper of power, the factor of the Ruze loss.
const double kDbPerNeper = 10.0 * std::log10(std::exp(1.0));
// A residual this small against the depths is the doubles' rounding, not an error.
constexpr double kUnresolvedError = 1e-12;

// Free-space wavelength at `frequencyMHz`, in `unit`.
double wavelength(LengthUnit unit, double frequencyMHz) {
  return speedOfLight(unit) / frequencyMHz;
}

// Straight-line fit of z against x = r^2 about the means, which keeps the sums
// exact enough for large radii in mm (r^2 near 1e6 and 1e5 points).
void fitLine(const std::vector<SurfacePoint> &points, double &slope, double &intercept) {
  const double n = static_cast<double>(points.size());
  double meanX = 0, meanZ = 0;
  for (const SurfacePoint &p : points) {
    meanX += p.r * p.r;
    meanZ += p.z;
  }
  meanX /= n;
  meanZ /= n;
  double sxx = 0, sxz = 0;
  for (const SurfacePoint &p : points) {
    const double dx = p.r * p.r - meanX;
    sxx += dx * dx;
    sxz += dx * (p.z - meanZ);
  }
  if (!std::isfinite(meanX) || !std::isfinite(sxx) || !std::isfinite(sxz))
    throw InputError("the radii are too large to compute with");
  if (!(sxx > 0))
    throw InputError("a fit needs points at two different radii at least");
  slope = sxz / sxx;
  intercept = meanZ - slope * meanX;
}

// The largest depth measured or fitted, unit of the input: the scale of the
// rounding in the residuals.
double largestDepth(const std::vector<SurfacePoint> &points) {
  double largest = 0;
  for (const SurfacePoint &p : points)
    largest = std::fmax(largest, std::fabs(p.z));
  return largest;
}

} // namespace

SurfaceFit fitSurface(const std::vector<SurfacePoint> &points, LengthUnit unit) {
  if (points.size() < 3)
    throw InputError("a fit needs at least 3 points");
  SurfaceFit fit;
  fit.points = points.size();
  fitLine(points, fit.curvature, fit.vertexDepth);
  if (!(fit.curvature > 0))
    throw InputError("the points do not form a dish: the depth must grow away from the centre");
  fit.focalLength = 1.0 / (4.0 * fit.curvature);
  double sumSquares = 0, largestRadius = 0;
  for (const SurfacePoint &p : points) {
    const double e = surfaceError(fit, p);
    sumSquares += e * e;
    largestRadius = std::fmax(largestRadius, std::fabs(p.r));
  }
  fit.diameter = 2.0 * largestRadius;
  fit.fd = fit.focalLength / fit.diameter;
  fit.rmsError = std::sqrt(sumSquares / static_cast<double>(points.size()));
  // Points on the parabola leave only the doubles' rounding, some 1e-16 of the
  // depths: that is no error, and no frequency at which it costs gain.
  if (fit.rmsError <= kUnresolvedError * largestDepth(points))
    fit.rmsError = 0;
  if (!std::isfinite(fit.focalLength) || !std::isfinite(fit.rmsError) || !(fit.fd > 0) ||
      !std::isfinite(fit.fd))
    throw InputError("these points are too far apart in size to compute with");
  requireDishFd(fit.fd, "these points");
  // Ruze: loss = 10 log10(e) (4 pi eps / lambda)^2 reaches 1 dB where
  // lambda = 4 pi eps sqrt(10 log10(e)).
  fit.oneDbLossMHz = fit.rmsError > 0
                         ? speedOfLight(unit) / (4.0 * kPi * fit.rmsError * std::sqrt(kDbPerNeper))
                         : HUGE_VAL;
  return fit;
}

double fittedDepth(const SurfaceFit &fit, double r) {
  return fit.curvature * r * r + fit.vertexDepth;
}

double surfaceError(const SurfaceFit &fit, SurfacePoint point) {
  const double residual = point.z - fittedDepth(fit, point.r);
  const double t = point.r / (2.0 * fit.focalLength);
  return residual / (1.0 + t * t);
}

double surfaceLossDb(double rmsError, LengthUnit unit, double frequencyMHz) {
  if (!(frequencyMHz > 0) || !std::isfinite(frequencyMHz))
    throw InputError("the frequency must be greater than 0");
  const double phase = 4.0 * kPi * rmsError / wavelength(unit, frequencyMHz);
  const double loss = kDbPerNeper * phase * phase;
  if (!std::isfinite(loss))
    throw InputError("the frequency " + plainFigureText(frequencyMHz) +
                     " MHz is too high to work out this surface's loss at");
  return loss;
}

void SurfaceReader::addLine(std::string_view line) {
  ++lineNumber_;
  if (const std::size_t hash = line.find('#'); hash != std::string_view::npos)
    line = line.substr(0, hash);
  const std::vector<std::string_view> fields = lineFields(line);
  if (fields.empty())
    return;
  const auto r = fields.size() == 2 ? decimalValue(fields[0]) : std::nullopt;
  const auto z = fields.size() == 2 ? decimalValue(fields[1]) : std::nullopt;
  if (!r || !z)
    throw InputError("line " + std::to_string(lineNumber_) + ": expected two numbers, radius and " +
                     "depth, not " + shownLine(line) + decimalCommaHint(line));
  points_.push_back({*r, *z});
}

std::vector<SurfacePoint> parseSurfacePoints(std::string_view text) {
  SurfaceReader reader;
  forEachLine(text, [&reader](std::string_view line) { reader.addLine(line); });
  return reader.takePoints();
}

} // namespace dishwright
