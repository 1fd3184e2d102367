#include "calc/page_layout/template_sheet.h"

#include "calc/common/units.h"

#include <algorithm>
#include <cmath>

namespace dishwright {
namespace {

constexpr double kNeedsSagMm = 0.1; // the outline's chords, as the page choice sees them
constexpr int kCircleSides = 72;

std::vector<PointMm> circle(PointMm centre, double radius) {
  std::vector<PointMm> points;
  for (int i = 0; i <= kCircleSides; ++i) {
    const double a = 2 * kPi * i / kCircleSides;
    points.push_back({centre.x + radius * std::cos(a), centre.y + radius * std::sin(a)});
  }
  return points;
}

} // namespace

TemplateSheet::TemplateSheet(const TemplateInput &input, PaperKind paper) : geometry_(input) {
  const double k = geometry_.mmPerUnit();
  const double outlineW = geometry_.outlineWidth() * k;
  const double outlineH = geometry_.outlineHeight() * k;
  const double top = kDrawingMarginMm;
  // A rib's vertex is at the bottom left of its outline, a gore's on its centre line.
  vertex_ = {kDrawingMarginMm, geometry_.isPetal() ? top + outlineH / 2 : top + outlineH};
  double width = outlineW + 2 * kDrawingMarginMm;
  double height = outlineH + 2 * kDrawingMarginMm;
  if (hasHubGuide()) {
    // Below the outline, clear of the tick labels.
    const double guideRadius = hubRadiusMm() + kHubGuideMarginMm;
    hubCentre_ = {kDrawingMarginMm + guideRadius, height + guideRadius};
    height += 2 * guideRadius + kDrawingMarginMm;
    width = std::max(width, kDrawingMarginMm * 2 + 2 * guideRadius);
  }
  plan_ = planTiling(width, height, paper, paper == PaperKind::Sheet ? PageNeeds{} : needs());
}

PointMm TemplateSheet::toDrawingMm(TemplatePoint p) const {
  const double k = geometry_.mmPerUnit();
  return {vertex_.x + p.x * k, vertex_.y - p.y * k};
}

TemplatePoint TemplateSheet::toTemplate(PointMm p) const {
  const double k = geometry_.mmPerUnit();
  return {(p.x - vertex_.x) / k, (vertex_.y - p.y) / k};
}

std::vector<PointMm> TemplateSheet::cutOutlineMm(double stepMm) const {
  std::vector<PointMm> outline;
  for (TemplatePoint p : geometry_.cutOutline(stepMm))
    outline.push_back(toDrawingMm(p));
  outline.push_back(outline.front());
  return outline;
}

PageNeeds TemplateSheet::needs() const {
  PageNeeds needs;
  needs.cutLines.push_back(cutOutlineMm(geometry_.chordStepMm(kNeedsSagMm)));
  if (geometry_.isPetal()) {
    needs.kept.push_back({vertex_, toDrawingMm({geometry_.goreLength(), 0})}); // centre line
    needs.spans.push_back(needs.cutLines.front());
  }
  if (hasHubGuide()) {
    needs.cutLines.push_back(circle(hubCentre_, hubRadiusMm()));
    needs.kept.push_back(circle(hubCentre_, hubRadiusMm() + kHubGuideLabelMm));
  }
  return needs;
}

} // namespace dishwright
