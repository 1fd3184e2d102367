#include "calc/common/input_error.h"
#include "calc/common/units.h"
#include "calc/page_layout/page_tiling.h"
#include "calc/page_layout/template_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace dishwright {
namespace {

// Composite Simpson rule over [0, b], 2000 panels: the reference for the closed forms.
double integrate(const std::function<double(double)> &g, double b) {
  const int n = 2000;
  const double h = b / n;
  double sum = g(0) + g(b);
  for (int i = 1; i < n; ++i)
    sum += g(i * h) * (i % 2 ? 4 : 2);
  return sum * h / 3;
}

TemplateInput petal(double fd, double dia, bool metric, int gores) {
  return {TemplateKind::Petal, fd, dia, dishSizeUnit(metric), gores, 0, 0};
}

TEST(TemplateGeometry, WorkedExample1200mm) {
  TemplateGeometry g(petal(0.4, 1.2, true, 12));
  EXPECT_NEAR(g.focalLength(), 480, 1e-9);
  EXPECT_NEAR(g.depth(), 187.5, 1e-9);
  EXPECT_NEAR(g.ribLength(), 637.04, 0.005);
  EXPECT_NEAR(g.goreLength(), 617.77, 0.005);
  EXPECT_NEAR(g.goreWidthAtRim(), 310.58, 0.005);
  EXPECT_NEAR(g.flatGoreError(), 12.56, 0.005);
  EXPECT_STREQ(g.unitName(), "MM");
}

struct Design {
  const char *name;
  double fd, dia;
  bool metric;
  int gores;
  double hub;
};

class AgainstNumeric : public ::testing::TestWithParam<Design> {};

// Rib and centre line as arc lengths of the 3-D curves, the gore's rim width as
// the chord between neighbouring ribs, the error as the largest vertical gap
// between the flat chord and the surface.
TEST_P(AgainstNumeric, RibAndGoreFigures) {
  const Design &d = GetParam();
  const double toUnit = d.metric ? 1000 : 12;
  const double f = d.fd * d.dia * toUnit, R = d.dia * toUnit / 2;
  const double half = kPi / d.gores;
  TemplateGeometry rib({TemplateKind::Rib, d.fd, d.dia, dishSizeUnit(d.metric), 0, d.hub, 0});
  TemplateGeometry gore(petal(d.fd, d.dia, d.metric, d.gores));
  const double tol = 1e-7 * R;
  auto ribSlope = [f](double r) { return std::hypot(1.0, r / (2 * f)); };
  auto hubLength = d.hub > 0 ? integrate(ribSlope, d.hub) : 0.0;
  EXPECT_NEAR(rib.ribLength(), integrate(ribSlope, R) - hubLength, tol);
  EXPECT_NEAR(rib.depth(), R * R / (4 * f), tol);
  auto centreSlope = [&](double r) { return std::hypot(std::cos(half), r / (2 * f)); };
  EXPECT_NEAR(gore.goreLength(), integrate(centreSlope, R), tol);
  EXPECT_NEAR(gore.goreWidthAtRim(),
              std::hypot(R * std::cos(half) - R * std::cos(-half), R * std::sin(half) * 2), tol);
  double gap = 0;
  for (int i = 0; i <= 1000; ++i) {
    const double r = R * i / 1000, rho = r * std::cos(half);
    gap = std::max(gap, r * r / (4 * f) - rho * rho / (4 * f));
  }
  EXPECT_NEAR(gore.flatGoreError(), gap, tol);
  // A gore's edge, flattened, is as long as the rib it lies on.
  const auto edge = gore.edge(0.05);
  double edgeLength = 0;
  for (std::size_t i = 1; i < edge.size(); ++i)
    edgeLength += std::hypot(edge[i].x - edge[i - 1].x, edge[i].y - edge[i - 1].y);
  EXPECT_NEAR(edgeLength, integrate(ribSlope, R), 1e-5 * R);
}

INSTANTIATE_TEST_SUITE_P(Designs, AgainstNumeric,
                         ::testing::Values(Design{"DeepSmallMetric", 0.25, 0.6, true, 3, 0},
                                           Design{"FeetWithHub", 0.4, 4, false, 8, 3},
                                           Design{"FlatMetricManyGores", 0.6, 3, true, 24, 100},
                                           Design{"VeryFlatFeet", 1.2, 10, false, 36, 0}),
                         [](const auto &info) { return std::string(info.param.name); });

struct Refusal {
  const char *name;
  TemplateInput input;
  const char *reason;
};

class Refused : public ::testing::TestWithParam<Refusal> {};

TEST_P(Refused, SaysWhy) {
  try {
    TemplateGeometry g(GetParam().input);
    ADD_FAILURE() << "accepted";
  } catch (const InputError &e) {
    EXPECT_STREQ(e.what(), GetParam().reason);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, Refused,
    ::testing::Values(
        Refusal{"ZeroFd", petal(0, 1, true, 12), "the f/D must be greater than 0"},
        Refusal{"NegativeFd", petal(-0.4, 1, true, 12), "the f/D must be greater than 0"},
        Refusal{"ZeroDiameter", petal(0.4, 0, true, 12), "the diameter must be greater than 0"},
        Refusal{"NanDiameter", petal(0.4, NAN, true, 12), "the diameter must be a finite number"},
        Refusal{"TwoGores", petal(0.4, 1, true, 2), "a petal template needs at least 3 gores"},
        Refusal{"HubAsWideAsTheDish",
                {TemplateKind::Rib, 0.4, 1, DishSizeUnit::Metres, 0, 500, 0},
                "the hub radius must be smaller than the dish radius"},
        Refusal{"NegativeHub",
                {TemplateKind::Rib, 0.4, 4, DishSizeUnit::Feet, 0, -1, 0},
                "the hub radius must be 0 or more"},
        Refusal{"FrequencyBeyondAnyGores",
                {TemplateKind::Petal, 0.4, 1, DishSizeUnit::Metres, 12, 0, 1e300},
                "the frequency is too high for this dish: more than 1000000000 gores would be "
                "needed"},
        // 1000 mm x sin(pi / 720) = 4.36 mm
        Refusal{"GoreTooNarrow", petal(0.4, 1, true, 720),
                "the gore's width at the rim would be 4.36 mm, too small for a template (10 mm "
                "at least)"}),
    [](const auto &info) { return std::string(info.param.name); });

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

struct GoreCount {
  const char *name;
  double depth, maxError;
  long gores;
};

class GoresWithin : public ::testing::TestWithParam<GoreCount> {};

TEST_P(GoresWithin, FewestGoresForTheError) {
  EXPECT_EQ(goresWithin(GetParam().depth, GetParam().maxError), GetParam().gores);
}

// 4 ft at f/D 0.4 is 7.5 in deep; lambda/16 at 2304 MHz is 0.3202 in:
// sin^2(pi/15) = 0.0432 > 0.3202 / 7.5 = 0.0427 >= sin^2(pi/16) = 0.0381.
INSTANTIATE_TEST_SUITE_P(Cases, GoresWithin,
                         ::testing::Values(GoreCount{"FourFeetAt2304MHz", 7.5,
                                                     kSpeedOfLightMmMHz / 2304 / 25.4 / 16, 16},
                                           GoreCount{"ThreeWhenTheErrorIsLoose", 1, 0.8, 3},
                                           GoreCount{"EightJustAboveItsError", 2, 0.2929, 8}),
                         [](const ::testing::TestParamInfo<GoreCount> &info) {
                           return info.param.name;
                         });

struct WarningCase {
  const char *name;
  TemplateInput input;
  std::vector<std::string> contains; // one entry per warning expected
};

class Warnings : public ::testing::TestWithParam<WarningCase> {};

TEST_P(Warnings, SayWhatIsUnusual) {
  const auto warnings = templateWarnings(TemplateGeometry(GetParam().input));
  ASSERT_EQ(warnings.size(), GetParam().contains.size());
  for (std::size_t i = 0; i < warnings.size(); ++i)
    EXPECT_NE(warnings[i].find(GetParam().contains[i]), std::string::npos) << warnings[i];
}

INSTANTIATE_TEST_SUITE_P(
    Designs, Warnings,
    ::testing::Values(
        // 7.5 in x sin^2(pi/8) = 1.09835 in; 299792.458 mm MHz / 2304 MHz / 25.4 / 16 = 0.320173 in
        WarningCase{"EightGoresAt2304MHz",
                    {TemplateKind::Petal, 0.4, 4, DishSizeUnit::Feet, 8, 0, 2304},
                    {"8 gores leave 1.09835 INCHES of flat-gore error at 2304.00 MHz, more than "
                     "lambda/16 (0.320173 INCHES); 16 gores keep within it"}},
        WarningCase{"SixteenGoresAt2304MHz",
                    {TemplateKind::Petal, 0.4, 4, DishSizeUnit::Feet, 16, 0, 2304},
                    {}},
        WarningCase{
            "RibHasNoGores", {TemplateKind::Rib, 0.4, 4, DishSizeUnit::Feet, 0, 0, 2304}, {}},
        WarningCase{"DeepDish", petal(0.15, 1, true, 24), {"deeper than dishes are built"}},
        WarningCase{"FlatDish", petal(2.5, 1, true, 24), {"flatter than dishes are built"}}),
    [](const ::testing::TestParamInfo<WarningCase> &info) { return info.param.name; });

TEST(TemplateGeometry, RibOutlineClosesAroundTheMetal) {
  // Curve from the hub edge to the rim, down the rim, back along the tangent.
  const TemplateGeometry g({TemplateKind::Rib, 0.4, 1.2, DishSizeUnit::Metres, 0, 100, 0});
  const auto outline = g.cutOutline(5);
  EXPECT_NEAR(outline.front().x, 100, 1e-12);
  EXPECT_NEAR(outline.front().y, 100.0 * 100 / 1920, 1e-12);
  EXPECT_NEAR(outline[outline.size() - 3].y, 187.5, 1e-9);
  EXPECT_NEAR(outline[outline.size() - 2].x, 600, 1e-12);
  EXPECT_EQ(outline[outline.size() - 2].y, 0);
  EXPECT_NEAR(outline.back().x, 100, 1e-12);
  EXPECT_EQ(outline.back().y, 0);
}

TEST(TemplateSheet, HubGuideBelowTheRibAndVertexAtTheLeft) {
  TemplateSheet sheet({TemplateKind::Rib, 0.4, 1.2, DishSizeUnit::Metres, 8, 50, 0},
                      PaperKind::Sheet);
  const PointMm rim = sheet.toDrawingMm({600, 187.5});
  EXPECT_NEAR(rim.x - sheet.vertexMm().x, 600, 1e-9);
  EXPECT_NEAR(sheet.vertexMm().y - rim.y, 187.5, 1e-9);
  EXPECT_GT(sheet.hubGuideCentreMm().y - 50, sheet.vertexMm().y);
}

} // namespace
} // namespace dishwright
