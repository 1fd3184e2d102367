#include "calc/page_layout/template_sheet.h"

#include <algorithm>

namespace dishwright {

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
  plan_ = planTiling(width, height, paper);
}

PointMm TemplateSheet::toDrawingMm(TemplatePoint p) const {
  const double k = geometry_.mmPerUnit();
  return {vertex_.x + p.x * k, vertex_.y - p.y * k};
}

} // namespace dishwright
