#include "calc/physics/template_geometry.h"

#include "calc/common/figure_text.h"
#include "calc/common/input_checks.h"
#include "calc/common/input_error.h"

#include "calc/common/units.h"

#include <algorithm>
#include <cmath>
#include <string>

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

long goresWithin(double depth, double maxError) {
  const double most = depth * std::pow(std::sin(kPi / 3), 2);
  if (!(maxError < most))
    return 3;
  // sin^2(pi / N) <= e / d gives N >= pi / asin(sqrt(e / d)); rounding may leave
  // the bound one off either way, so step to the exact answer.
  const double bound = std::ceil(kPi / std::asin(std::sqrt(maxError / depth)));
  if (!(bound < kMostGores)) // also a NaN
    throw InputError("the frequency is too high for this dish: more than 1000000000 gores would "
                     "be needed");
  long n = std::max(3L, static_cast<long>(bound));
  auto error = [depth](long gores) {
    return depth * std::pow(std::sin(kPi / static_cast<double>(gores)), 2);
  };
  while (n > 3 && error(n - 1) <= maxError)
    --n;
  while (error(n) > maxError)
    ++n;
  return n;
}

TemplateGeometry::TemplateGeometry(const TemplateInput &input) : input_(input) {
  check(input_);
  if (input_.kind == TemplateKind::Petal)
    input_.hubRadius = 0; // petals meet at the vertex; a hub is cut from them on the dish
  const double unitsPerDesignUnit = smallUnitsPerUnit(input_.unit);
  radius_ = input_.diameter * unitsPerDesignUnit / 2;
  focalLength_ = input_.fd * input_.diameter * unitsPerDesignUnit;
  if (!std::isfinite(radius_) || !std::isfinite(focalLength_) || !std::isfinite(depth()))
    throw InputError("the dish is too large to draw");
  if (input_.hubRadius >= radius_)
    throw InputError("the hub radius must be smaller than the dish radius");
  checkSize();
  if (wavelength() > 0)
    goresWithin(depth(), wavelength() / 16); // refuses a frequency no gores can follow
}

void TemplateGeometry::checkSize() const {
  // A template smaller than this is all labels and no line to cut along.
  const double k = mmPerUnit();
  auto refuse = [](const char *what, double mm) {
    throw InputError("the " + std::string(what) + " would be " + figureText(mm, 3) +
                     " mm, too small for a template (" +
                     std::to_string(static_cast<int>(kSmallestTemplateMm)) + " mm at least)");
  };
  if (!isPetal() && ribLength() * k < kSmallestTemplateMm)
    refuse("rib", ribLength() * k);
  if (isPetal() && goreLength() * k < kSmallestTemplateMm)
    refuse("gore", goreLength() * k);
  if (isPetal() && goreWidthAtRim() * k < kSmallestTemplateMm)
    refuse("gore's width at the rim", goreWidthAtRim() * k);
}

double TemplateGeometry::mmPerUnit() const {
  return dishwright::mmPerUnit(smallUnitOf(input_.unit));
}

const char *TemplateGeometry::unitName() const { return isMetric(input_.unit) ? "MM" : "INCHES"; }

double TemplateGeometry::tickStep() const {
  return isMetric(input_.unit) ? kTickStepMm : kTickStepInches;
}

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

double TemplateGeometry::chordStepMm(double sagMm) const {
  const double fMm = focalLength_ * mmPerUnit();
  const double slope = radius_ / (2 * focalLength_);
  return std::sqrt(16 * fMm * sagMm) / std::sqrt(1 + slope * slope);
}

std::vector<TemplatePoint> TemplateGeometry::cutOutline(double stepMm) const {
  std::vector<TemplatePoint> curve = edge(stepMm);
  std::vector<TemplatePoint> outline;
  if (isPetal()) {
    outline = curve;
    for (auto p = curve.rbegin(); p + 1 != curve.rend(); ++p)
      outline.push_back({p->x, -p->y}); // the lower edge, back to the vertex
    return outline;
  }
  const double hub = hubRadius();
  outline.push_back({hub, paraboloidDepth(focalLength_, hub)});
  for (TemplatePoint p : curve)
    if (p.x > hub)
      outline.push_back(p);
  outline.push_back({radius_, 0});
  if (hub > 0)
    outline.push_back({hub, 0});
  return outline;
}

double TemplateGeometry::wavelength() const {
  return input_.frequencyMHz > 0 ? kSpeedOfLightMmMHz / input_.frequencyMHz / mmPerUnit() : 0;
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

std::vector<std::string> templateWarnings(const TemplateGeometry &g) {
  std::vector<std::string> warnings;
  const TemplateInput &in = g.input();
  const std::string unit = std::string(" ") + g.unitName();
  if (in.fd < kUsualFdLow || in.fd > kUsualFdHigh)
    warnings.push_back("f/D " + figureText(in.fd, 3) + " makes a dish " +
                       (in.fd < kUsualFdLow ? "deeper" : "flatter") +
                       " than dishes are built (f/D 0.2 to 2): the depth is " +
                       figureText(g.depth()) + unit + "; check the design");
  const double allowed = g.wavelength() / 16;
  if (g.isPetal() && allowed > 0 && g.flatGoreError() > allowed)
    warnings.push_back(std::to_string(in.count) + " gores leave " + figureText(g.flatGoreError()) +
                       unit + " of flat-gore error at " + figureText(in.frequencyMHz) +
                       " MHz, more than lambda/16 (" + figureText(allowed) + unit + "); " +
                       std::to_string(goresWithin(g.depth(), allowed)) + " gores keep within it");
  return warnings;
}

} // namespace dishwright
