#include "calc/physics/template_geometry.h"

#include "calc/common/input_checks.h"
#include "calc/common/input_error.h"

#include "calc/common/units.h"

#include <algorithm>
#include <cmath>

namespace dishwright {
namespace {

constexpr double kTickStepInches = 1;
constexpr double kTickStepMm = 10;

void check(const TemplateInput &in) {
  requirePositive(in.fd, "f/D");
  requirePositive(in.diameter, "diameter");
  if (in.kind == TemplateKind::Petal && in.count < 3)
    throw InputError("a petal template needs at least 3 gores");
  if (in.kind == TemplateKind::Rib && in.count != 0 && in.count < 3)
    throw InputError("a dish needs at least 3 ribs");
  if (!(in.hubRadius >= 0) || !std::isfinite(in.hubRadius))
    throw InputError("the hub radius must be 0 or more");
  if (!(in.frequencyMHz >= 0) || !std::isfinite(in.frequencyMHz))
    throw InputError("the frequency must be 0 (not known) or more");
}

} // namespace

double ribArcLength(double focalLength, double radius) {
  const double u = radius / (2 * focalLength);
  return focalLength * (u * std::sqrt(1 + u * u) + std::asinh(u));
}

double goreCentreRun(double focalLength, double radius, int gores) {
  const double a = std::cos(kPi / gores);
  const double v = radius / (2 * focalLength);
  return focalLength * (v * std::sqrt(a * a + v * v) + a * a * std::asinh(v / a));
}

double goreHalfWidth(double radius, int gores) { return radius * std::sin(kPi / gores); }

TemplateGeometry::TemplateGeometry(const TemplateInput &input) : input_(input) {
  check(input_);
  if (input_.kind == TemplateKind::Petal)
    input_.hubRadius = 0; // petals meet at the vertex; a hub is cut from them on the dish
  const double unitsPerDesignUnit = input_.metric ? kMmPerMetre : kInchesPerFoot;
  radius_ = input_.diameter * unitsPerDesignUnit / 2;
  focalLength_ = input_.fd * input_.diameter * unitsPerDesignUnit;
  if (!std::isfinite(radius_) || !std::isfinite(focalLength_) || !std::isfinite(depth()))
    throw InputError("the dish is too large to draw");
  if (input_.hubRadius >= radius_)
    throw InputError("the hub radius must be smaller than the dish radius");
}

double TemplateGeometry::mmPerUnit() const { return input_.metric ? 1.0 : kMmPerInch; }

const char *TemplateGeometry::unitName() const { return input_.metric ? "MM" : "INCHES"; }

double TemplateGeometry::tickStep() const { return input_.metric ? kTickStepMm : kTickStepInches; }

double TemplateGeometry::depth() const { return paraboloidDepth(focalLength_, radius_); }

double TemplateGeometry::ribLength() const {
  return ribArcLength(focalLength_, radius_) - ribArcLength(focalLength_, input_.hubRadius);
}

double TemplateGeometry::goreLength() const {
  return goreCentreRun(focalLength_, radius_, input_.count);
}

double TemplateGeometry::goreWidthAtRim() const { return 2 * goreHalfWidth(radius_, input_.count); }

double TemplateGeometry::flatGoreError() const {
  const double s = std::sin(kPi / input_.count);
  return depth() * s * s;
}

double TemplateGeometry::outlineWidth() const { return isPetal() ? goreLength() : radius_; }

double TemplateGeometry::outlineHeight() const { return isPetal() ? goreWidthAtRim() : depth(); }

double TemplateGeometry::alongAt(double radius) const {
  return isPetal() ? goreCentreRun(focalLength_, radius, input_.count) : radius;
}

std::vector<TemplatePoint> TemplateGeometry::edge(double stepMm) const {
  const double step = std::max(stepMm, 1e-3) / mmPerUnit();
  const auto steps = static_cast<std::size_t>(std::ceil(radius_ / step));
  std::vector<TemplatePoint> points;
  points.reserve(steps + 1);
  for (std::size_t i = 0; i <= steps; ++i) {
    const double r = std::min(radius_, static_cast<double>(i) * step);
    if (isPetal())
      points.push_back({alongAt(r), goreHalfWidth(r, input_.count)});
    else
      points.push_back({r, paraboloidDepth(focalLength_, r)});
  }
  return points;
}

} // namespace dishwright
