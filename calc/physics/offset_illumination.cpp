#include "calc/physics/offset_illumination.h"

#include "calc/common/figure_text.h"
#include "calc/common/input_checks.h"
#include "calc/common/input_error.h"
#include "calc/common/units.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace dishwright {
namespace {

// Gauss-Legendre nodes across a radius or a strut, count: the field is smooth
// over the aperture, so 48 nodes carry it to far better than 1e-6.
constexpr int kRadialNodes = 48;
// Equal steps around the circle, count: exact for the field's low harmonics.
constexpr int kAroundSteps = 96;
// Step of the coarse scan for the best aim, degrees, and where the golden-section
// search after it stops, degrees.
constexpr double kAimScanStepDeg = 2;
constexpr double kAimToleranceDeg = 1e-3;
// A listed pattern is taken to reach an angle it stops this little short of, degrees.
constexpr double kPatternReachedDeg = 1e-9;

struct Vec {
  double x = 0, y = 0, z = 0;
};
Vec operator*(double k, Vec v) { return {k * v.x, k * v.y, k * v.z}; }
Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// Nodes and weights of Gauss-Legendre on [0, 1], by Newton on the Legendre
// polynomial from the usual first guesses.
struct Quadrature {
  std::array<double, kRadialNodes> node{}, weight{};
};

Quadrature gaussLegendre() {
  // The usual first guess of root i, cos(pi (i + 3/4) / (n + 1/2)), and Newton's
  // steps from there until a step is below a double's resolution.
  constexpr double kGuessShift = 0.75, kGuessHalf = 0.5, kSmallestStep = 1e-16;
  constexpr int kMostSteps = 100;
  Quadrature q;
  constexpr int n = kRadialNodes;
  for (int i = 0; i < n; ++i) {
    double x = std::cos(kPi * (i + kGuessShift) / (n + kGuessHalf)), slope = 1;
    for (int iteration = 0; iteration < kMostSteps; ++iteration) {
      double p0 = 1, p1 = x;
      for (int k = 2; k <= n; ++k) {
        const double p2 = ((2.0 * k - 1.0) * x * p1 - (k - 1.0) * p0) / k;
        p0 = p1, p1 = p2;
      }
      slope = n * (x * p1 - p0) / (x * x - 1.0);
      const double step = p1 / slope;
      x -= step;
      if (std::abs(step) < kSmallestStep)
        break;
    }
    q.node[static_cast<std::size_t>(i)] = (1.0 - x) / 2.0;
    q.weight[static_cast<std::size_t>(i)] = 1.0 / ((1.0 - x * x) * slope * slope);
  }
  return q;
}

const Quadrature &quadrature() {
  static const Quadrature q = gaussLegendre();
  return q;
}

// pi times the trapezoid integral of (E^2 + H^2) sin t over the pattern's
// samples: the power the feed sends, as the aperture's sums measure power.
double feedPower(const FeedPattern &pattern) {
  double sum = 0;
  for (std::size_t i = 0; i < pattern.sampleCount(); ++i) {
    const double e = pattern.eAmplitude(i), h = pattern.hAmplitude(i);
    const double end = i == 0 || i + 1 == pattern.sampleCount() ? 0.5 : 1.0;
    sum += end * (e * e + h * h) * std::sin(static_cast<double>(i) * pattern.stepRad());
  }
  return kPi * sum * pattern.stepRad();
}

// Where the ray along `direction` from (px, py) leaves the circle of `circle`,
// as the distance along it (direction of length 1); the start lies inside.
std::pair<double, double> chordThrough(const ApertureCircle &circle, double px, double py,
                                       double dx, double dy) {
  const double ox = px - circle.centre, oy = py;
  const double b = ox * dx + oy * dy, c = ox * ox + oy * oy - circle.radius * circle.radius;
  const double disc = b * b - c;
  if (disc <= 0)
    return {0, 0};
  const double root = std::sqrt(disc);
  return {-b - root, -b + root};
}

} // namespace

struct OffsetIllumination::Aim {
  double angleRad = 0; // the feed's axis off the parent's axis, toward the far rim, radians
  Vec axis, eDirection, hDirection;
};

ApertureCircle offsetAperture(const OffsetDish &dish) {
  return {dish.focalLength, (dish.nearRim + dish.farRim) / 2.0, dish.width / 2.0};
}

ApertureCircle primeAperture(double fd, double diameter) {
  return {fd * diameter, 0, diameter / 2.0};
}

OffsetIllumination::OffsetIllumination(FeedPattern pattern, ApertureCircle aperture)
    : pattern_(std::move(pattern)), circle_(aperture) {
  requirePositive(circle_.focalLength, "focal length");
  requirePositive(circle_.radius, "dish width");
  requireNotNegative(circle_.centre, "offset of the dish");
  feedPowerTotal_ = feedPower(pattern_);
  if (!(feedPowerTotal_ > 0))
    throw InputError("the feed's pattern sends no power off its axis");
  // The angle off the parent's axis at the focus of a point r from the axis:
  // tan(t/2) = r / 2F on a paraboloid.
  const double twoF = 2.0 * circle_.focalLength;
  nearAngleRad_ = 2.0 * std::atan((circle_.centre - circle_.radius) / twoF);
  farAngleRad_ = 2.0 * std::atan((circle_.centre + circle_.radius) / twoF);
}

double OffsetIllumination::feedHalfAngleDeg() const {
  return (farAngleRad_ - nearAngleRad_) / 2.0 * kDegreesPerRadian;
}

// The focus is the origin, the parent's vertex at z = -F, its axis and the
// reflected waves along +z; the dish lies toward +x.
OffsetIllumination::Aim OffsetIllumination::aimAt(double aimDeg) const {
  Aim aim;
  aim.angleRad = (nearAngleRad_ + farAngleRad_) / 2.0 + aimDeg / kDegreesPerRadian;
  const double s = std::sin(aim.angleRad), c = std::cos(aim.angleRad);
  aim.axis = {s, 0, -c};
  aim.eDirection = {c, 0, s};
  aim.hDirection = {0, -1, 0}; // E x H along the axis
  return aim;
}

// The field the reflector sends into the aperture at (x, y): the feed's field in
// Ludwig's third definition, E(t) cos p along theta and -H(t) sin p along phi,
// reflected at the paraboloid (the tangential part turned over) and spread over
// the distance rho to it. Co-polar is -x, along which the axis's own field lies.
OffsetIllumination::Field OffsetIllumination::fieldAt(const Aim &aim, double x, double y) const {
  const double f = circle_.focalLength;
  const double rho = f + (x * x + y * y) / (4.0 * f);
  const Vec u = (1.0 / rho) * Vec{x, y, rho - 2.0 * f};
  const double cosT = dot(u, aim.axis), p1 = dot(u, aim.eDirection), p2 = dot(u, aim.hDirection);
  const double sinT = std::hypot(p1, p2);
  const double t = std::atan2(sinT, cosT);
  const double cosP = sinT > 0 ? p1 / sinT : 1.0, sinP = sinT > 0 ? p2 / sinT : 0.0;
  const Vec thetaHat =
      cosT * cosP * aim.eDirection + cosT * sinP * aim.hDirection - sinT * aim.axis;
  const Vec phiHat = cosP * aim.hDirection - sinP * aim.eDirection;
  const Vec incident =
      (pattern_.eAmplitudeAt(t) * cosP) * thetaHat - (pattern_.hAmplitudeAt(t) * sinP) * phiHat;
  // Outward normal of z = (x^2 + y^2) / 4F - F, and the field the metal sends back.
  const Vec normalRaw{x / (2.0 * f), y / (2.0 * f), -1.0};
  const Vec n = (1.0 / std::sqrt(dot(normalRaw, normalRaw))) * normalRaw;
  const Vec reflected = (2.0 * dot(n, incident)) * n - incident;
  return {-reflected.x / rho, reflected.y / rho};
}

// The field where the feed's axis meets the dish, path included.
double OffsetIllumination::axisField(const Aim &aim) const {
  const double rho = 2.0 * circle_.focalLength / (1.0 + std::cos(aim.angleRad));
  return std::abs(pattern_.eAmplitude(0)) / rho;
}

double OffsetIllumination::coPolarSum(const Aim &aim) const {
  const Quadrature &q = quadrature();
  const double a = circle_.radius, step = 2.0 * kPi / kAroundSteps;
  double sum = 0;
  for (int k = 0; k < kAroundSteps; ++k) {
    const double c = std::cos(k * step), s = std::sin(k * step);
    for (std::size_t i = 0; i < q.node.size(); ++i) {
      const double r = a * q.node[i];
      sum += q.weight[i] * r * fieldAt(aim, circle_.centre + r * c, r * s).coPolar;
    }
  }
  return sum * a * step;
}

// The E-plane level at the end of the long axis at `x`, against the axis's.
double OffsetIllumination::rimLevelDb(const Aim &aim, double x) const {
  const double f = circle_.focalLength;
  const double rho = f + x * x / (4.0 * f);
  const double offParent = 2.0 * std::atan(x / (2.0 * f));
  const double field = std::abs(pattern_.eAmplitudeAt(std::abs(offParent - aim.angleRad))) / rho;
  return std::max(20.0 * std::log10(field / axisField(aim)), kPatternFloorDb);
}

OffsetOnDish OffsetIllumination::at(double aimDeg) const {
  const Aim aim = aimAt(aimDeg);
  const double farthestDeg =
      std::max(std::abs(nearAngleRad_ - aim.angleRad), std::abs(farAngleRad_ - aim.angleRad)) *
      kDegreesPerRadian;
  // Round the rim the angle off the feed's axis is largest at one end of the long
  // axis or near it; a listed pattern must reach past both ends.
  if (pattern_.source().listed && farthestDeg > pattern_.extentDeg() + kPatternReachedDeg)
    throw InputError("the pattern stops at " + plainFigureText(pattern_.extentDeg()) +
                     " degrees; the dish's rim is at " + plainFigureText(farthestDeg) +
                     " degrees off the feed's axis");
  const Quadrature &q = quadrature();
  const double a = circle_.radius, step = 2.0 * kPi / kAroundSteps;
  double sum = 0, coPower = 0, crossPower = 0;
  for (int k = 0; k < kAroundSteps; ++k) {
    const double c = std::cos(k * step), s = std::sin(k * step);
    for (std::size_t i = 0; i < q.node.size(); ++i) {
      const double r = a * q.node[i], w = q.weight[i] * r;
      const Field field = fieldAt(aim, circle_.centre + r * c, r * s);
      sum += w * field.coPolar;
      coPower += w * field.coPolar * field.coPolar;
      crossPower += w * field.crossPolar * field.crossPolar;
    }
  }
  sum *= a * step, coPower *= a * step, crossPower *= a * step;
  const double area = kPi * a * a;
  OffsetOnDish out;
  out.aimDeg = aimDeg;
  out.spillover = (coPower + crossPower) / feedPowerTotal_;
  out.crossPolar = coPower + crossPower > 0 ? coPower / (coPower + crossPower) : 1.0;
  out.illumination = coPower > 0 ? sum * sum / (area * coPower) : 0.0;
  out.aperture = sum * sum / (area * feedPowerTotal_);
  out.nearRimLevelDb = rimLevelDb(aim, circle_.centre - a);
  out.farRimLevelDb = rimLevelDb(aim, circle_.centre + a);
  return out;
}

BestAim OffsetIllumination::best() const {
  const auto aperture = [this](double aimDeg) {
    const Aim aim = aimAt(aimDeg);
    const double sum = coPolarSum(aim);
    return sum * sum / (kPi * circle_.radius * circle_.radius * feedPowerTotal_);
  };
  const double half = feedHalfAngleDeg();
  const int steps = std::max(2, static_cast<int>(std::ceil(2.0 * half / kAimScanStepDeg)));
  const double scanStep = 2.0 * half / steps;
  BestAim best{-half, -1};
  for (int k = 0; k <= steps; ++k) {
    const double aim = -half + k * scanStep, value = aperture(aim);
    if (value > best.aperture)
      best = {aim, value};
  }
  double low = std::max(best.aimDeg - scanStep, -half),
         high = std::min(best.aimDeg + scanStep, half);
  const double ratio = (std::sqrt(5.0) - 1.0) / 2.0;
  double p = high - ratio * (high - low), r = low + ratio * (high - low);
  double fp = aperture(p), fr = aperture(r);
  while (high - low > kAimToleranceDeg) {
    if (fp < fr)
      low = p, p = r, fp = fr, r = low + ratio * (high - low), fr = aperture(r);
    else
      high = r, r = p, fr = fp, p = high - ratio * (high - low), fp = aperture(p);
  }
  const double middle = (low + high) / 2.0, atMiddle = aperture(middle);
  return atMiddle >= best.aperture ? BestAim{middle, atMiddle} : best;
}

BlockedField OffsetIllumination::blocked(double aimDeg, double discDiameter, int strutCount,
                                         double strutWidth) const {
  requireNotNegative(discDiameter, "blockage diameter");
  requireNotNegative(strutWidth, "strut width");
  if (strutCount < 0)
    throw InputError("the number of struts must not be negative");
  const Aim aim = aimAt(aimDeg);
  const double whole = coPolarSum(aim);
  const Quadrature &q = quadrature();
  const double discRadius = discDiameter / 2.0, step = 2.0 * kPi / kAroundSteps;
  BlockedField out;
  // The disc, in rays from where the focus projects: each ray's part inside the
  // aperture and within the disc.
  for (int k = 0; discRadius > 0 && k < kAroundSteps; ++k) {
    const double c = std::cos(k * step), s = std::sin(k * step);
    const auto [enter, leave] = chordThrough(circle_, 0, 0, c, s);
    const double from = std::max(enter, 0.0), to = std::min(leave, discRadius);
    for (std::size_t i = 0; from < to && i < q.node.size(); ++i) {
      const double r = from + (to - from) * q.node[i];
      out.disc += q.weight[i] * (to - from) * r * fieldAt(aim, r * c, r * s).coPolar;
    }
  }
  out.disc *= step / whole;
  // Each strut from its foot on the rim to the focus: the part of that line inside
  // the aperture and outside the disc, a strip `strutWidth` wide.
  for (int k = 0; k < strutCount; ++k) {
    const double around = kPi + 2.0 * kPi * k / strutCount; // the first at the near rim
    const double footX = circle_.centre + circle_.radius * std::cos(around);
    const double footY = circle_.radius * std::sin(around);
    const double length = std::hypot(footX, footY);
    if (!(length > discRadius))
      continue;
    const double dx = -footX / length, dy = -footY / length;
    const auto [enter, leave] = chordThrough(circle_, footX, footY, dx, dy);
    const double from = std::max(enter, 0.0), to = std::min(leave, length - discRadius);
    for (std::size_t i = 0; from < to && i < q.node.size(); ++i) {
      const double d = from + (to - from) * q.node[i];
      out.struts +=
          q.weight[i] * (to - from) * fieldAt(aim, footX + d * dx, footY + d * dy).coPolar;
    }
  }
  out.struts *= strutWidth / whole;
  return out;
}

} // namespace dishwright
