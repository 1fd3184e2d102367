#include "calc/common/input_error.h"
#include "calc/page_layout/page_tiling.h"
#include "calc/page_layout/template_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace dishwright {
namespace {

TemplateInput petal(double fd, double dia, bool metric, int gores) {
  return {TemplateKind::Petal, fd, dia, dishSizeUnit(metric), gores, 0, 0};
}

struct TilingCase {
  const char *name;
  double width, height;
  PaperKind paper;
  int pages;
  bool landscape;
};

class Tiling : public ::testing::TestWithParam<TilingCase> {};

// Page counts worked by hand: A4 shows 190 x 243 mm portrait or 277 x 156 mm
// landscape, Letter 195.9 x 225.4 or 259.4 x 161.9, each further page 10 mm less.
TEST_P(Tiling, PagesCoverTheDrawingWithOverlap) {
  const TilingCase &c = GetParam();
  TilingPlan plan = planTiling(c.width, c.height, c.paper);
  EXPECT_EQ(plan.pageCount(), c.pages);
  EXPECT_EQ(plan.landscape, c.landscape);
  EXPECT_EQ(plan.rows * plan.columns, plan.pageCount());
  const PageWindow &last = plan.pages.back();
  EXPECT_GE(last.leftMm + plan.windowWidthMm, c.width);
  EXPECT_GE(last.topMm + plan.windowHeightMm, c.height);
  if (plan.columns > 1) {
    EXPECT_NEAR(plan.pages[0].leftMm + plan.windowWidthMm - plan.pages[1].leftMm, 10, 1e-9);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, Tiling,
    ::testing::Values(
        TilingCase{"FitsA4", 190, 243, PaperKind::A4, 1, false},
        TilingCase{"OneMmTooWide", 191, 243, PaperKind::A4, 2, false}, // 2x1 or 1x2: portrait
        TilingCase{"FitsA4Landscape", 277, 156, PaperKind::A4, 1, true},
        TilingCase{"ThreeMetreRib", 1544, 512.75, PaperKind::A4, 24, true}, // 3 m rib: 9x3 or 6x4
        TilingCase{"LetterSquare", 400, 400, PaperKind::Letter, 6, false}, // 3x2 (or 2x3 landscape)
        TilingCase{"Sheet", 1000, 120, PaperKind::Sheet, 1, false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Tiling, SheetIsTheDrawingPlusMarginsAndFooter) {
  TilingPlan plan = planTiling(1000, 120, PaperKind::Sheet);
  EXPECT_DOUBLE_EQ(plan.pageWidthMm, 1020);
  EXPECT_DOUBLE_EQ(plan.pageHeightMm, 120 + 20 + 34);
  EXPECT_THROW(planTiling(6000, 100, PaperKind::Sheet), InputError);
  EXPECT_THROW(planTiling(1e6, 1e6, PaperKind::A4), InputError);
}

struct PageTarget {
  const char *name;
  TemplateInput input;
  PaperKind paper;
  int mostPages;
};

class PageTargets : public ::testing::TestWithParam<PageTarget> {};

bool onPage(const TilingPlan &plan, const PageWindow &w, PointMm p) {
  return p.x >= w.leftMm && p.x <= w.leftMm + plan.windowWidthMm && p.y >= w.topMm &&
         p.y <= w.topMm + plan.windowHeightMm;
}

// Few pages, and none of the line to cut along lost with the pages left out.
TEST_P(PageTargets, FewPagesHoldTheWholeOutline) {
  const TemplateSheet sheet(GetParam().input, GetParam().paper);
  const TilingPlan &plan = sheet.plan();
  EXPECT_LE(plan.pageCount(), GetParam().mostPages);
  int lost = 0;
  for (PointMm p : sheet.cutOutlineMm(1))
    lost += std::none_of(plan.pages.begin(), plan.pages.end(),
                         [&](const PageWindow &w) { return onPage(plan, w, p); });
  EXPECT_EQ(lost, 0);
  // Two registration crosses for every seam between printed pages.
  int seams = 0;
  for (const PageWindow &w : plan.pages)
    seams += (plan.pageAt(w.row, w.column + 1) >= 0) + (plan.pageAt(w.row + 1, w.column) >= 0);
  EXPECT_EQ(plan.registrationMarksMm.size(), 2u * seams);
}

INSTANTIATE_TEST_SUITE_P(
    Designs, PageTargets,
    ::testing::Values(
        PageTarget{"Petal1200mm12GoresA4", petal(0.4, 1.2, true, 12), PaperKind::A4, 6},
        PageTarget{"Rib10mA4",
                   {TemplateKind::Rib, 0.4, 10, DishSizeUnit::Metres, 0, 0, 0},
                   PaperKind::A4,
                   50},
        PageTarget{"Rib3mFd035A4",
                   {TemplateKind::Rib, 0.35, 3, DishSizeUnit::Metres, 0, 0, 0},
                   PaperKind::A4,
                   14},
        PageTarget{"Petal4860mm13GoresA4", petal(0.4, 4.86, true, 13), PaperKind::A4, 72},
        PageTarget{"Rib4ftHub2inLetter",
                   {TemplateKind::Rib, 0.4, 4, DishSizeUnit::Feet, 0, 2, 0},
                   PaperKind::Letter,
                   6}),
    [](const ::testing::TestParamInfo<PageTarget> &info) { return info.param.name; });

TEST(PageChoice, GoreMiddleTiesItsEdgesTogether) {
  // A gore wider than three pages: its middle pages hold no cut line, yet each
  // column of pages runs unbroken from one edge to the other.
  const TemplateSheet sheet(petal(0.4, 4.86, true, 13), PaperKind::A4);
  const TilingPlan &plan = sheet.plan();
  std::map<int, std::vector<int>> rowsOfColumn;
  int middle = 0;
  for (const PageWindow &w : plan.pages) {
    rowsOfColumn[w.column].push_back(w.row);
    middle += !w.cut;
  }
  EXPECT_GT(middle, 0);
  for (const auto &[column, rows] : rowsOfColumn)
    EXPECT_EQ(rows.back() - rows.front() + 1, static_cast<int>(rows.size())) << column;
}

// A registration cross is glued over on both pages of its seam, away from the
// line to cut along, and a seam's two crosses lie well apart along it: one
// fixes the pages' shift, only two apart fix their turn.
struct MarkCase {
  const char *name;
  TemplateInput input;
  PaperKind paper;
};

class Marks : public ::testing::TestWithParam<MarkCase> {};

double distanceToSegment(PointMm p, PointMm a, PointMm b) {
  const double dx = b.x - a.x, dy = b.y - a.y, length2 = dx * dx + dy * dy;
  const double t =
      length2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0) : 0;
  return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

double distanceToLine(PointMm p, const std::vector<PointMm> &line) {
  double best = INFINITY;
  for (std::size_t i = 0; i + 1 < line.size(); ++i)
    best = std::min(best, distanceToSegment(p, line[i], line[i + 1]));
  return best;
}

TEST_P(Marks, KeepOffTheCutLineAndApartAlongTheirSeam) {
  const TemplateSheet sheet(GetParam().input, GetParam().paper);
  const TilingPlan &plan = sheet.plan();
  const std::vector<PointMm> cut = sheet.cutOutlineMm(1);
  const std::vector<PointMm> &marks = plan.registrationMarksMm;
  ASSERT_GE(marks.size(), 2u);
  // 6 mm of clearance from the points of the outline, sampled every 2 mm: at
  // least sqrt(6^2 - 1^2) from the line between them.
  const double clearMm = 5.9;
  for (PointMm m : marks) {
    EXPECT_GE(distanceToLine(m, cut), clearMm) << m.x << ", " << m.y;
    const auto pages = std::count_if(plan.pages.begin(), plan.pages.end(),
                                     [&](const PageWindow &w) { return onPage(plan, w, m); });
    EXPECT_GE(pages, 2) << m.x << ", " << m.y;
  }
  // Marks come in pairs, one pair to a seam; along a seam at least a fifth of
  // its length apart (a quarter from each end, moved at most 0.15 of it).
  const double shortestSeamMm = std::min(plan.windowWidthMm, plan.windowHeightMm);
  for (std::size_t i = 0; i + 1 < marks.size(); i += 2)
    EXPECT_GE(std::hypot(marks[i].x - marks[i + 1].x, marks[i].y - marks[i + 1].y),
              0.2 * shortestSeamMm)
        << "seam " << i / 2;
}

INSTANTIATE_TEST_SUITE_P(
    Designs, Marks,
    ::testing::Values(MarkCase{"Petal1200mm12GoresA4", petal(0.4, 1.2, true, 12), PaperKind::A4},
                      MarkCase{"Petal4860mm13GoresA4", petal(0.4, 4.86, true, 13), PaperKind::A4},
                      MarkCase{"Rib3mLetter",
                               {TemplateKind::Rib, 0.35, 3, DishSizeUnit::Metres, 0, 0, 0},
                               PaperKind::Letter},
                      MarkCase{"Rib10ftHub3inA4",
                               {TemplateKind::Rib, 0.3, 10, DishSizeUnit::Feet, 0, 3, 0},
                               PaperKind::A4}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace dishwright
