#include "calc/page_layout/page_tiling.h"

#include "calc/common/input_error.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace dishwright {
namespace {

// Pages needed along one side: the first shows `window` mm, each further one
// `window - overlap` mm more. A double, so that absurd sizes are caught before
// they reach an int.
double pagesAlong(double drawingMm, double windowMm) {
  if (drawingMm <= windowMm)
    return 1;
  // A drawing that fits exactly must not take a page for a rounding error.
  constexpr double kFitToleranceMm = 1e-9;
  return std::ceil((drawingMm - kPageOverlapMm) / (windowMm - kPageOverlapMm) - kFitToleranceMm);
}

TilingPlan sheetPlan(double width, double height) {
  TilingPlan plan;
  plan.paper = PaperKind::Sheet;
  plan.pageWidthMm = std::max(width + 2 * kPageMarginMm, kSheetMinWidthMm);
  plan.pageHeightMm = height + 2 * kPageMarginMm + kPageFooterMm;
  if (plan.pageWidthMm > kSheetLargestSideMm || plan.pageHeightMm > kSheetLargestSideMm)
    throw InputError("the template is too large for one sheet (largest side " +
                     std::to_string(static_cast<int>(kSheetLargestSideMm)) + " mm)");
  plan.windowWidthMm = width;
  plan.windowHeightMm = height;
  plan.pages.push_back({});
  return plan;
}

TilingPlan tiledPlan(double width, double height, PaperKind paper, bool landscape) {
  TilingPlan plan;
  plan.paper = paper;
  plan.landscape = landscape;
  const PointMm size = paperSizeMm(paper);
  plan.pageWidthMm = landscape ? size.y : size.x;
  plan.pageHeightMm = landscape ? size.x : size.y;
  plan.windowWidthMm = plan.pageWidthMm - 2 * kPageMarginMm;
  plan.windowHeightMm = plan.pageHeightMm - 2 * kPageMarginMm - kPageFooterMm;
  const double columns = pagesAlong(width, plan.windowWidthMm);
  const double rows = pagesAlong(height, plan.windowHeightMm);
  if (!(columns * rows <= kMostPages)) // also catches NaN
    throw InputError("the template would need more than " + std::to_string(kMostPages) + " pages");
  plan.columns = static_cast<int>(columns);
  plan.rows = static_cast<int>(rows);
  const double stepX = plan.windowWidthMm - kPageOverlapMm;
  const double stepY = plan.windowHeightMm - kPageOverlapMm;
  for (int r = 0; r < plan.rows; ++r)
    for (int c = 0; c < plan.columns; ++c)
      plan.pages.push_back({r, c, c * stepX, r * stepY});
  // A mark in the middle of every overlap: it prints on both pages of a seam.
  for (int r = 0; r < plan.rows; ++r)
    for (int c = 1; c < plan.columns; ++c)
      plan.registrationMarksMm.push_back(
          {c * stepX + kPageOverlapMm / 2, r * stepY + plan.windowHeightMm / 2});
  for (int r = 1; r < plan.rows; ++r)
    for (int c = 0; c < plan.columns; ++c)
      plan.registrationMarksMm.push_back(
          {c * stepX + plan.windowWidthMm / 2, r * stepY + kPageOverlapMm / 2});
  return plan;
}

} // namespace

PointMm paperSizeMm(PaperKind paper) {
  constexpr PointMm kLetterMm{215.9, 279.4}; // 8.5 x 11 in
  constexpr PointMm kA4Mm{210, 297};
  switch (paper) {
  case PaperKind::Letter:
    return kLetterMm;
  case PaperKind::A4:
  case PaperKind::Sheet:
    break;
  }
  return kA4Mm;
}

TilingPlan planTiling(double drawingWidthMm, double drawingHeightMm, PaperKind paper) {
  if (!(drawingWidthMm > 0) || !(drawingHeightMm > 0) || !std::isfinite(drawingWidthMm) ||
      !std::isfinite(drawingHeightMm))
    throw InputError("the drawing must have a size");
  TilingPlan plan;
  if (paper == PaperKind::Sheet)
    plan = sheetPlan(drawingWidthMm, drawingHeightMm);
  else {
    // Each orientation on its own: one may fit where the other exceeds the limit.
    TilingPlan best;
    std::string failure;
    for (bool landscape : {false, true}) {
      try {
        TilingPlan candidate = tiledPlan(drawingWidthMm, drawingHeightMm, paper, landscape);
        if (best.pages.empty() || candidate.pageCount() < best.pageCount())
          best = std::move(candidate);
      } catch (const InputError &e) {
        failure = e.what();
      }
    }
    if (best.pages.empty())
      throw InputError(failure);
    plan = std::move(best);
  }
  plan.drawingWidthMm = drawingWidthMm;
  plan.drawingHeightMm = drawingHeightMm;
  return plan;
}

} // namespace dishwright
