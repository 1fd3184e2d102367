// The shapes a builder cuts: the rib of a parabolic dish and the flat petals (gores)
// that bend into an N-faceted dish, at true size.
//
// Every length here is in the template unit: inches for a design given in feet,
// millimetres for a design given in metres. Paper is laid out in millimetres;
// `mmPerUnit()` converts.
#pragma once

#include "calc/common/length_unit.h"
#include "calc/physics/paraboloid.h"

#include <string>
#include <vector>

namespace dishwright {

enum class TemplateKind { Rib, Petal };

// What a template is made from: the design as the screens hold it plus the cut.
struct TemplateInput {
  TemplateKind kind = TemplateKind::Rib;
  double fd = 0;       // focal length / diameter, ratio
  double diameter = 0; // in `unit`; the template unit is its small unit (in or mm)
  DishSizeUnit unit = DishSizeUnit::Feet;
  int count = 0;           // petals: the number of gores; ribs: the number of ribs (0: not known)
  double hubRadius = 0;    // ribs only: radius of the hub, template unit (0: no hub)
  double frequencyMHz = 0; // for the label only; 0: not known
};

// A point of a template outline: `x` across the drawing, `y` up, template unit.
struct TemplatePoint {
  double x = 0;
  double y = 0;
};

// Length along the parabola z = r^2 / (4 f) from the vertex to radius `radius`,
// s = f (u sqrt(1 + u^2) + asinh u) with u = r / (2 f); all in one length unit.
double ribArcLength(double focalLength, double radius);

// Run along a gore's centre line from the vertex to the chord at rib radius
// `radius`, for a dish of `gores` gores: c = f (v sqrt(a^2 + v^2) + a^2 asinh(v / a)),
// v = r / (2 f), a = cos(pi / N); all in one length unit.
double goreCentreRun(double focalLength, double radius, int gores);

// Half the width of a gore at rib radius `radius`: r sin(pi / N); same unit as `radius`.
double goreHalfWidth(double radius, int gores);

// The fewest gores (3 or more) whose flat-gore error depth sin^2(pi / N) is at
// most `maxError`; both lengths in one unit, greater than 0. Throws InputError
// when more than kMostGores would be needed.
long goresWithin(double depth, double maxError);
constexpr double kMostGores = 1e9;

// The smallest rib or gore a template is made for, mm: below it the drawing is
// only its labels.
constexpr double kSmallestTemplateMm = 10;
// The f/D range dishes are built in; outside it a template is drawn with a warning.
constexpr double kUsualFdLow = 0.2;
constexpr double kUsualFdHigh = 2;

// The figures and outline of one template, checked on construction.
class TemplateGeometry {
public:
  // Throws InputError with the reason when the input cannot make a template,
  // among them a rib or a gore shorter or narrower than kSmallestTemplateMm.
  explicit TemplateGeometry(const TemplateInput &input);

  const TemplateInput &input() const { return input_; }
  bool isPetal() const { return input_.kind == TemplateKind::Petal; }
  double mmPerUnit() const;     // 25.4 for inches, 1 for mm
  const char *unitName() const; // "INCHES" or "MM"
  double tickStep() const;      // spacing of the radius ticks, template unit (1 in or 10 mm)

  double focalLength() const { return focalLength_; } // template unit
  double radius() const { return radius_; }           // rim radius R, template unit
  double depth() const;                               // d = R^2 / (4 f), template unit
  double hubRadius() const { return input_.hubRadius; }
  // Rib length along the curve from the hub edge (the vertex without a hub) to the rim.
  double ribLength() const;
  double goreLength() const;     // centre line, vertex to rim, template unit
  double goreWidthAtRim() const; // 2 R sin(pi / N), template unit
  double flatGoreError() const;  // greatest gap gore to true surface, d sin^2(pi / N)

  // The size of the drawn outline, template unit: a rib spans R by d, a gore
  // c(R) by 2 R sin(pi / N).
  double outlineWidth() const;
  double outlineHeight() const;

  // Radius step, mm, at which chords of the cut edge stay within `sagMm` of the
  // curve: the edge bends at most 1 / (2 f), a chord of length L lies L^2 / (16 f)
  // off it, and a step of radius spans at most sqrt(1 + (R / 2f)^2) of edge.
  double chordStepMm(double sagMm) const;
  // The line to cut along, closed (the last point joins the first), template
  // unit, y up. A rib: its curve from the hub edge (the vertex without a hub) to
  // the rim, down the rim to the vertex's tangent, back along it and up the hub
  // edge; the rib's metal lies inside. A gore: its upper edge from the vertex to
  // the rim, across the rim and back along its lower edge.
  std::vector<TemplatePoint> cutOutline(double stepMm) const;

  // The wavelength at the design's frequency, template unit; 0 when it is not known.
  double wavelength() const;

  // Points of the cut edge at steps no longer than `stepMm` of radius: a rib's
  // curve (r, z) from the vertex to the rim, or a gore's upper edge (c(r),
  // r sin(pi / N)) with the centre line at y = 0 (the lower edge is its mirror).
  std::vector<TemplatePoint> edge(double stepMm) const;
  // Where radius `radius` lies on the drawing's long axis: r for a rib, c(r) for a gore.
  double alongAt(double radius) const;

private:
  void checkSize() const;

  TemplateInput input_;
  double focalLength_ = 0;
  double radius_ = 0;
};

// What is unusual about a design that still makes a template, in words, one
// warning a line: an f/D outside kUsualFdLow to kUsualFdHigh, and gores that
// leave more flat-gore error than a sixteenth of the wavelength.
std::vector<std::string> templateWarnings(const TemplateGeometry &geometry);

} // namespace dishwright
