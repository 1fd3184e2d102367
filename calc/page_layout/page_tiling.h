// How a drawing larger than the paper is spread over pages: the part of the
// drawing each page shows, with an overlap to glue the pages together by, and the
// marks that line them up. All lengths in millimetres on paper.
#pragma once

#include <vector>

namespace dishwright {

enum class PaperKind { A4, Letter, Sheet };

// Layout of every page, mm.
constexpr double kPageMarginMm = 10;     // edge of paper no printer reaches
constexpr double kPageFooterMm = 34;     // band along the bottom for figures, scale bars and map
constexpr double kPageOverlapMm = 10;    // drawing repeated on neighbouring pages
constexpr double kSheetMinWidthMm = 220; // a sheet is at least this wide so its footer fits
constexpr double kSheetLargestSideMm = 5080; // 200 in, the largest page PDF readers accept
constexpr int kMostPages = 500;

struct PointMm {
  double x = 0;
  double y = 0;
};

// One page: its place in the grid and the top-left corner of the part of the
// drawing it shows, in drawing mm (x right, y down).
struct PageWindow {
  int row = 0;
  int column = 0;
  double leftMm = 0;
  double topMm = 0;
};

struct TilingPlan {
  PaperKind paper = PaperKind::A4;
  bool landscape = false;
  double pageWidthMm = 0; // as the page is printed, landscape applied
  double pageHeightMm = 0;
  double drawingWidthMm = 0;
  double drawingHeightMm = 0;
  // The drawing's part each page shows, and where on the page it sits.
  double windowWidthMm = 0;
  double windowHeightMm = 0;
  double windowLeftOnPageMm = kPageMarginMm;
  double windowTopOnPageMm = kPageMarginMm;
  int rows = 1;
  int columns = 1;
  std::vector<PageWindow> pages;            // row by row, top row first
  std::vector<PointMm> registrationMarksMm; // drawing mm, each inside an overlap
  int pageCount() const { return static_cast<int>(pages.size()); }
};

// The page size of `paper` in portrait, mm (A4 210 x 297, US Letter 215.9 x 279.4).
PointMm paperSizeMm(PaperKind paper);

// Spreads a drawing of the given size (mm) over pages of `paper`, portrait or
// landscape, whichever takes fewer pages; `Sheet` makes one page the drawing's
// own size plus margins and footer. Throws InputError when the drawing would need
// more than kMostPages pages or a sheet larger than kSheetLargestSideMm.
TilingPlan planTiling(double drawingWidthMm, double drawingHeightMm, PaperKind paper);

} // namespace dishwright
