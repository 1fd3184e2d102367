#include "calc/page_layout/page_tiling.h"

#include "calc/common/input_error.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace dishwright {
namespace {

// Needs are looked at every kNeedStepMm along their lines, and a page counts a
// point only this far inside its window: a point near the edge is on the
// neighbour too (the overlap is wider than twice this), so every point still
// lands on a printed page, and a line merely grazing a page does not print it.
constexpr double kNeedStepMm = 2;
constexpr int kMostOffsets = 16;      // grid offsets tried along each side of a page
constexpr double kSearchBudget = 4e6; // points x offsets looked at per orientation
constexpr double kMarkClearMm = 6;    // a registration cross keeps this far off a cut line

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

[[noreturn]] void tooManyPages() {
  throw InputError("the template would need more than " + std::to_string(kMostPages) + " pages");
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
  plan.pages.push_back({0, 0, 0, 0, true});
  return plan;
}

// Paper size and drawing window of `paper` in one orientation.
TilingPlan emptyPlan(PaperKind paper, bool landscape) {
  TilingPlan plan;
  plan.paper = paper;
  plan.landscape = landscape;
  const PointMm size = paperSizeMm(paper);
  plan.pageWidthMm = landscape ? size.y : size.x;
  plan.pageHeightMm = landscape ? size.x : size.y;
  plan.windowWidthMm = plan.pageWidthMm - 2 * kPageMarginMm;
  plan.windowHeightMm = plan.pageHeightMm - 2 * kPageMarginMm - kPageFooterMm;
  return plan;
}

// The place nearest `fraction` of the way along a seam from `from` to `to` that
// keeps kMarkClearMm from every point of `cut`.
PointMm clearPlace(PointMm from, PointMm to, double fraction, const std::vector<PointMm> &cut) {
  auto at = [&](double f) {
    return PointMm{from.x + (to.x - from.x) * f, from.y + (to.y - from.y) * f};
  };
  for (double shift : {0.0, 0.05, -0.05, 0.1, -0.1, 0.15, -0.15}) {
    const PointMm p = at(fraction + shift);
    if (std::none_of(cut.begin(), cut.end(),
                     [p](PointMm q) { return std::hypot(q.x - p.x, q.y - p.y) < kMarkClearMm; }))
      return p;
  }
  return at(fraction);
}

// Two marks in the middle band of every overlap between printed neighbours,
// about a quarter of the seam from either end (two points fix the pages' turn
// as well as their shift), moved along the seam off the lines to cut along.
void addRegistrationMarks(TilingPlan &plan, const std::vector<PointMm> &cut) {
  const double w = plan.windowWidthMm, h = plan.windowHeightMm, half = kPageOverlapMm / 2;
  auto seam = [&](PointMm from, PointMm to) {
    std::vector<PointMm> near;
    const double margin = kMarkClearMm + half;
    for (PointMm q : cut)
      if (q.x >= std::min(from.x, to.x) - margin && q.x <= std::max(from.x, to.x) + margin &&
          q.y >= std::min(from.y, to.y) - margin && q.y <= std::max(from.y, to.y) + margin)
        near.push_back(q);
    for (double f : {0.25, 0.75})
      plan.registrationMarksMm.push_back(clearPlace(from, to, f, near));
  };
  for (const PageWindow &p : plan.pages) {
    if (plan.pageAt(p.row, p.column + 1) >= 0)
      seam({p.leftMm + w - half, p.topMm}, {p.leftMm + w - half, p.topMm + h});
    if (plan.pageAt(p.row + 1, p.column) >= 0)
      seam({p.leftMm, p.topMm + h - half}, {p.leftMm + w, p.topMm + h - half});
  }
}

TilingPlan fullGridPlan(double width, double height, PaperKind paper, bool landscape) {
  TilingPlan plan = emptyPlan(paper, landscape);
  const double columns = pagesAlong(width, plan.windowWidthMm);
  const double rows = pagesAlong(height, plan.windowHeightMm);
  if (!(columns * rows <= kMostPages)) // also catches NaN
    tooManyPages();
  plan.columns = static_cast<int>(columns);
  plan.rows = static_cast<int>(rows);
  const double stepX = plan.windowWidthMm - kPageOverlapMm;
  const double stepY = plan.windowHeightMm - kPageOverlapMm;
  for (int r = 0; r < plan.rows; ++r)
    for (int c = 0; c < plan.columns; ++c)
      plan.pages.push_back({r, c, c * stepX, r * stepY, true});
  addRegistrationMarks(plan, {});
  return plan;
}

// ---- Printing only the pages a drawing needs --------------------------------

std::vector<PointMm> sampled(const std::vector<PointMm> &line) {
  std::vector<PointMm> points;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const PointMm a = line[i];
    points.push_back(a);
    if (i + 1 == line.size())
      break;
    const PointMm b = line[i + 1];
    const int steps = static_cast<int>(std::ceil(std::hypot(b.x - a.x, b.y - a.y) / kNeedStepMm));
    for (int k = 1; k < steps; ++k)
      points.push_back({a.x + (b.x - a.x) * k / steps, a.y + (b.y - a.y) * k / steps});
  }
  return points;
}

struct Samples {
  std::vector<PointMm> cut, kept;
  std::vector<std::vector<PointMm>> spans;
  double minX = std::numeric_limits<double>::infinity(), minY = minX;
  double maxX = -minX, maxY = -minX;
  std::size_t size() const {
    std::size_t n = cut.size() + kept.size();
    for (const auto &s : spans)
      n += s.size();
    return n;
  }
};

void extend(Samples &s, const std::vector<PointMm> &points) {
  for (PointMm p : points) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y))
      throw InputError("the drawing must have a size");
    s.minX = std::min(s.minX, p.x);
    s.maxX = std::max(s.maxX, p.x);
    s.minY = std::min(s.minY, p.y);
    s.maxY = std::max(s.maxY, p.y);
  }
}

Samples samplesOf(const PageNeeds &needs) {
  Samples s;
  for (const auto &line : needs.cutLines) {
    extend(s, line);
    const std::vector<PointMm> points = sampled(line);
    s.cut.insert(s.cut.end(), points.begin(), points.end());
  }
  for (const auto &line : needs.kept) {
    extend(s, line);
    const std::vector<PointMm> points = sampled(line);
    s.kept.insert(s.kept.end(), points.begin(), points.end());
  }
  for (const auto &outline : needs.spans) {
    extend(s, outline);
    s.spans.push_back(sampled(outline));
  }
  return s;
}

// The pages of one grid that hold a need, as flags over the cells of the grid
// that the needs reach: 1 printed, 2 holds a cut line.
class Cells {
public:
  Cells(const Samples &s, double windowW, double windowH, PointMm origin)
      : w_(windowW), h_(windowH), origin_(origin) {
    column0_ = first(s.minX, origin.x, w_);
    row0_ = first(s.minY, origin.y, h_);
    columns_ = last(s.maxX, origin.x, w_) - column0_ + 1;
    rows_ = last(s.maxY, origin.y, h_) - row0_ + 1;
    flags_.assign(static_cast<std::size_t>(columns_) * rows_, 0);
  }

  // Marks the pages holding each point; false as soon as more than `most` are marked.
  bool mark(const std::vector<PointMm> &points, unsigned char flag, int most) {
    for (PointMm p : points)
      for (int c = first(p.x, origin_.x, w_); c <= last(p.x, origin_.x, w_); ++c)
        for (int r = first(p.y, origin_.y, h_); r <= last(p.y, origin_.y, h_); ++r)
          if (!set(r, c, flag, most))
            return false;
    return true;
  }

  // Fills each column between the outline's topmost and bottommost pages.
  bool span(const std::vector<PointMm> &outline, int most) {
    std::vector<int> top(static_cast<std::size_t>(columns_), rows_), bottom(top.size(), -1);
    for (PointMm p : outline)
      for (int c = first(p.x, origin_.x, w_); c <= last(p.x, origin_.x, w_); ++c) {
        auto i = static_cast<std::size_t>(c - column0_);
        top[i] = std::min(top[i], first(p.y, origin_.y, h_) - row0_);
        bottom[i] = std::max(bottom[i], last(p.y, origin_.y, h_) - row0_);
      }
    for (int c = 0; c < columns_; ++c)
      for (int r = top[static_cast<std::size_t>(c)]; r <= bottom[static_cast<std::size_t>(c)]; ++r)
        if (!set(r + row0_, c + column0_, 1, most))
          return false;
    return true;
  }

  int count() const { return count_; }

  // The printed pages, row by row, numbered from the first printed row and column.
  std::vector<PageWindow> pages() const {
    std::vector<PageWindow> pages;
    int firstRow = rows_, firstColumn = columns_;
    for (int r = 0; r < rows_; ++r)
      for (int c = 0; c < columns_; ++c)
        if (flag(r, c)) {
          firstRow = std::min(firstRow, r);
          firstColumn = std::min(firstColumn, c);
        }
    for (int r = 0; r < rows_; ++r)
      for (int c = 0; c < columns_; ++c)
        if (flag(r, c))
          pages.push_back({r - firstRow, c - firstColumn,
                           origin_.x + (c + column0_) * (w_ - kPageOverlapMm),
                           origin_.y + (r + row0_) * (h_ - kPageOverlapMm), (flag(r, c) & 2) != 0});
    return pages;
  }

private:
  // The first and last cell whose window, less kNeedStepMm all round, holds `v`.
  static int first(double v, double origin, double window) {
    return static_cast<int>(
        std::ceil((v - origin - (window - kNeedStepMm)) / (window - kPageOverlapMm)));
  }
  static int last(double v, double origin, double window) {
    return static_cast<int>(std::floor((v - origin - kNeedStepMm) / (window - kPageOverlapMm)));
  }
  unsigned char flag(int r, int c) const {
    return flags_[static_cast<std::size_t>(r) * columns_ + c];
  }
  bool set(int row, int column, unsigned char flag, int most) {
    unsigned char &cell =
        flags_[static_cast<std::size_t>(row - row0_) * columns_ + (column - column0_)];
    if (cell == 0 && ++count_ > most)
      return false;
    cell |= flag;
    return true;
  }

  double w_, h_;
  PointMm origin_;
  int column0_ = 0, row0_ = 0, columns_ = 0, rows_ = 0, count_ = 0;
  std::vector<unsigned char> flags_;
};

// Marks every need on the grid; false when more than `most` pages would print.
bool markAll(Cells &cells, const Samples &s, int most) {
  if (!cells.mark(s.cut, 3, most) || !cells.mark(s.kept, 1, most))
    return false;
  for (const auto &outline : s.spans)
    if (!cells.span(outline, most))
      return false;
  return true;
}

struct Choice {
  int pages = kMostPages + 1;
  bool landscape = false;
  PointMm origin;
};

// Tries the grid's offsets in one orientation, keeping the one of fewest pages in `best`.
void tryOffsets(const Samples &s, const TilingPlan &paper, Choice &best) {
  const double w = paper.windowWidthMm, h = paper.windowHeightMm;
  const double perSide = std::sqrt(kSearchBudget / std::max(1.0, static_cast<double>(s.size())));
  const int n = std::clamp(static_cast<int>(perSide), 2, kMostOffsets);
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) {
      const PointMm origin{s.minX - (w - kPageOverlapMm) * i / n,
                           s.minY - (h - kPageOverlapMm) * j / n};
      Cells cells(s, w, h, origin);
      if (markAll(cells, s, best.pages - 1))
        best = {cells.count(), paper.landscape, origin};
    }
}

// At least as many pages as the cut outline, one piece, spans in columns or rows.
double fewestPages(const PageNeeds &needs, const TilingPlan &paper) {
  Samples bounds;
  for (const auto &line : needs.cutLines)
    extend(bounds, line);
  return std::max(pagesAlong(bounds.maxX - bounds.minX, paper.windowWidthMm),
                  pagesAlong(bounds.maxY - bounds.minY, paper.windowHeightMm));
}

TilingPlan neededPagesPlan(const PageNeeds &needs, PaperKind paper) {
  // Refused before the lines are sampled: a huge design would take long to sample.
  if (std::min(fewestPages(needs, emptyPlan(paper, false)),
               fewestPages(needs, emptyPlan(paper, true))) > kMostPages)
    tooManyPages();
  const Samples s = samplesOf(needs);
  Choice best;
  for (bool landscape : {false, true})
    tryOffsets(s, emptyPlan(paper, landscape), best);
  if (best.pages > kMostPages)
    tooManyPages();
  TilingPlan plan = emptyPlan(paper, best.landscape);
  Cells cells(s, plan.windowWidthMm, plan.windowHeightMm, best.origin);
  markAll(cells, s, kMostPages);
  plan.pages = cells.pages();
  for (const PageWindow &p : plan.pages) {
    plan.rows = std::max(plan.rows, p.row + 1);
    plan.columns = std::max(plan.columns, p.column + 1);
  }
  addRegistrationMarks(plan, s.cut);
  return plan;
}

} // namespace

int TilingPlan::pageAt(int row, int column) const {
  for (std::size_t i = 0; i < pages.size(); ++i)
    if (pages[i].row == row && pages[i].column == column)
      return static_cast<int>(i);
  return -1;
}

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

TilingPlan planTiling(double drawingWidthMm, double drawingHeightMm, PaperKind paper,
                      const PageNeeds &needs) {
  if (!(drawingWidthMm > 0) || !(drawingHeightMm > 0) || !std::isfinite(drawingWidthMm) ||
      !std::isfinite(drawingHeightMm))
    throw InputError("the drawing must have a size");
  TilingPlan plan;
  if (paper == PaperKind::Sheet)
    plan = sheetPlan(drawingWidthMm, drawingHeightMm);
  else if (!needs.empty())
    plan = neededPagesPlan(needs, paper);
  else {
    // Each orientation on its own: one may fit where the other exceeds the limit.
    TilingPlan best;
    std::string failure;
    for (bool landscape : {false, true}) {
      try {
        TilingPlan candidate = fullGridPlan(drawingWidthMm, drawingHeightMm, paper, landscape);
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
