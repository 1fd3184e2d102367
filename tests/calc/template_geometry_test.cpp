#include "calc/common/input_error.h"
#include "calc/common/units.h"
#include "calc/page_layout/template_sheet.h"

#include "tests/calc/thrown.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
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
  EXPECT_EQ(inputErrorOf([&] { TemplateGeometry g(GetParam().input); }), GetParam().reason);
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
