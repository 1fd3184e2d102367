#include "calc/physics/surface_fit.h"

#include "calc/common/decimal_text.h"
#include "calc/common/input_error.h"

#include "calc/common/units.h"

#include <cmath>
#include <string>

namespace dishwright {
namespace {

// 10 log10(e): dB per neper of power, the factor of the Ruze loss.
const double kDbPerNeper = 10.0 * std::log10(std::exp(1.0));

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
  if (!(sxx > 0))
    throw InputError("a fit needs points at two different radii at least");
  slope = sxz / sxx;
  intercept = meanZ - slope * meanX;
}

[[noreturn]] void malformed(std::size_t line) {
  throw InputError("line " + std::to_string(line) + ": expected two numbers");
}

bool isSeparator(char c) { return c == ' ' || c == '\t' || c == ',' || c == ';' || c == '\r'; }

// The two numbers of one line, or false when it holds anything else.
bool readPoint(std::string_view line, SurfacePoint &point) {
  double values[2];
  int count = 0;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && isSeparator(line[i]))
      ++i;
    if (i == line.size())
      break;
    std::size_t end = i;
    while (end < line.size() && !isSeparator(line[end]))
      ++end;
    if (count == 2)
      return false;
    const auto value = decimalValue(line.substr(i, end - i));
    if (!value)
      return false;
    values[count++] = *value;
    i = end;
  }
  point = {values[0], values[1]};
  return count == 2;
}

bool isSkipped(std::string_view line) {
  std::size_t i = 0;
  while (i < line.size() && isSeparator(line[i]) && line[i] != ',' && line[i] != ';')
    ++i;
  return i == line.size() || line[i] == '#';
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
  if (!std::isfinite(fit.focalLength) || !std::isfinite(fit.rmsError) || !(fit.fd > 0) ||
      !std::isfinite(fit.fd))
    throw InputError("these points are too far apart in size to compute with");
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
  return kDbPerNeper * phase * phase;
}

std::vector<SurfacePoint> parseSurfacePoints(std::string_view text) {
  std::vector<SurfacePoint> points;
  std::size_t lineNumber = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++lineNumber;
    if (isSkipped(line))
      continue;
    SurfacePoint point;
    if (!readPoint(line, point))
      malformed(lineNumber);
    points.push_back(point);
  }
  return points;
}

} // namespace dishwright
