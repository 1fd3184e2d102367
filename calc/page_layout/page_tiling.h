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
  bool cut = false; // holds part of a line to cut along
};

// The parts of a drawing that need paper under them, as polylines in drawing mm
// (a closed one repeats its first point). A page is printed when it holds part
// of one; the other pages of the grid are left out.
struct PageNeeds {
  std::vector<std::vector<PointMm>> cutLines; // lines to cut along
  std::vector<std::vector<PointMm>> kept;     // further lines that must be printed
  // Convex outlines printed across, side to side: in every column of pages, the
  // pages between the outline's two sides too, so that the parts glue into one
  // piece (a gore's middle, holding its edges together).
  std::vector<std::vector<PointMm>> spans;
  bool empty() const { return cutLines.empty() && kept.empty() && spans.empty(); }
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
  int rows = 1; // of the grid the pages are taken from, the printed ones' span
  int columns = 1;
  std::vector<PageWindow> pages;            // row by row, top row first
  std::vector<PointMm> registrationMarksMm; // drawing mm, two in each overlap of printed pages
  int pageCount() const { return static_cast<int>(pages.size()); }
  // The index in `pages` of the page at `row`, `column`; -1 when it is not printed.
  int pageAt(int row, int column) const;
};

// The page size of `paper` in portrait, mm (A4 210 x 297, US Letter 215.9 x 279.4).
PointMm paperSizeMm(PaperKind paper);

// Spreads a drawing of the given size (mm) over pages of `paper`, portrait or
// landscape, whichever takes fewer pages; `Sheet` makes one page the drawing's
// own size plus margins and footer. With `needs`, only the pages holding a need
// are printed, and the orientation and the grid's offset are those that need the
// fewest; without, every page of the grid from the drawing's corner. Throws
// InputError when the drawing would need more than kMostPages pages or a sheet
// larger than kSheetLargestSideMm.
TilingPlan planTiling(double drawingWidthMm, double drawingHeightMm, PaperKind paper,
                      const PageNeeds &needs = {});

} // namespace dishwright
