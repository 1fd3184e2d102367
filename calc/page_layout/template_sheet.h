// A template laid out for paper: where the outline and the hub guide sit in the
// drawing, and how the drawing is spread over pages. Lengths in mm on paper.
#pragma once

#include "calc/page_layout/page_tiling.h"
#include "calc/physics/template_geometry.h"

namespace dishwright {

constexpr double kDrawingMarginMm = 22;  // around the outline, for ticks and labels
constexpr double kHubGuideMarginMm = 12; // around the hub guide, for its angle ticks
constexpr double kCurveStepMm = 1;       // radius step of the drawn edge; chord sag < 0.001 mm
constexpr double kHubGuideLabelMm = 10; // the hub guide's angle labels, this far outside its circle

class TemplateSheet {
public:
  // Throws InputError when the design cannot be made into a template on `paper`.
  // On A4 or Letter only the pages that hold the cut outline or the hub guide
  // print, and for a gore those between its edges, which tie them together.
  TemplateSheet(const TemplateInput &input, PaperKind paper);

  const TemplateGeometry &geometry() const { return geometry_; }
  const TilingPlan &plan() const { return plan_; }

  // The vertex (outline point 0, 0) in drawing mm, x right, y down. A rib opens
  // upward and to the right; a gore's centre line runs right along y = vertex y.
  PointMm vertexMm() const { return vertex_; }
  // Drawing mm of an outline point (template unit, y up), and back.
  PointMm toDrawingMm(TemplatePoint p) const;
  TemplatePoint toTemplate(PointMm p) const;
  // The geometry's cutOutline() in drawing mm, closed: the last point repeats the first.
  std::vector<PointMm> cutOutlineMm(double stepMm) const;
  bool hasHubGuide() const { return geometry_.hubRadius() > 0; }
  PointMm hubGuideCentreMm() const { return hubCentre_; }
  double hubRadiusMm() const { return geometry_.hubRadius() * geometry_.mmPerUnit(); }

private:
  PageNeeds needs() const;

  TemplateGeometry geometry_;
  PointMm vertex_;
  PointMm hubCentre_;
  TilingPlan plan_;
};

} // namespace dishwright
