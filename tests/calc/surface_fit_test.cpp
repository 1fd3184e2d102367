#include "calc/common/input_error.h"
#include "calc/physics/surface_fit.h"

#include "tests/calc/thrown.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

namespace dishwright {
namespace {

const std::vector<SurfacePoint> kExample = {
    {0, 1.0}, {150, 12.5}, {300, 47.8}, {450, 105.0}, {600, 188.0}};

TEST(SurfaceFit, WorkedExample) {
  const SurfaceFit fit = fitSurface(kExample, LengthUnit::Mm);
  EXPECT_EQ(fit.points, 5u);
  EXPECT_NEAR(fit.focalLength, 481.93, 5e-3);
  EXPECT_NEAR(fit.rmsError, 0.3756, 5e-5);
  EXPECT_NEAR(fit.oneDbLossMHz, 30482, 0.5);
  EXPECT_NEAR(surfaceLossDb(fit.rmsError, LengthUnit::Mm, 10368), 0.1157, 5e-5);
  EXPECT_NEAR(fit.fd, fit.focalLength / 1200, 1e-12);
}

// The same dish in inches gives the same focus in inches and the same losses.
TEST(SurfaceFit, UnitOnlyScales) {
  std::vector<SurfacePoint> inches;
  for (const SurfacePoint &p : kExample)
    inches.push_back({p.r / 25.4, p.z / 25.4});
  const SurfaceFit fit = fitSurface(inches, LengthUnit::Inch);
  EXPECT_NEAR(fit.focalLength * 25.4, 481.93, 5e-3);
  EXPECT_NEAR(fit.oneDbLossMHz, 30482, 1);
}

// A dish of known focus with known noise: the fit recovers the focus, and the RMS
// is that of the noise scaled to path length, worked out here from the noise itself.
TEST(SurfaceFit, SyntheticDishRecoversFocusAndNoise) {
  const double focus = 500, sigma = 0.5;
  std::mt19937 random(11);
  std::uniform_real_distribution<double> radius(-600, 600);
  std::normal_distribution<double> noise(0, sigma);
  std::vector<SurfacePoint> points;
  double sumSquares = 0;
  for (int i = 0; i < 20000; ++i) {
    const double r = radius(random), n = noise(random);
    points.push_back({r, r * r / (4 * focus) + 7 + n});
    const double scaled = n / (1 + (r / (2 * focus)) * (r / (2 * focus)));
    sumSquares += scaled * scaled;
  }
  const SurfaceFit fit = fitSurface(points, LengthUnit::Mm);
  EXPECT_NEAR(fit.focalLength, focus, 0.5);
  EXPECT_NEAR(fit.vertexDepth, 7, 0.02);
  EXPECT_NEAR(fit.rmsError, std::sqrt(sumSquares / 20000), 0.005);
}

TEST(SurfaceFit, ParsesLinesSkippingCommentsAndBlanks) {
  const auto points = parseSurfacePoints("# r z\n\n0 1.0\n  150\t12.5\r\n300,47.8\n-4.5e2;105");
  ASSERT_EQ(points.size(), 4u);
  EXPECT_EQ(points[2].r, 300);
  EXPECT_EQ(points[2].z, 47.8);
  EXPECT_EQ(points[3].r, -450);
}

struct BadSurface {
  const char *name;
  std::string text;
  std::string message;
};

class BadSurfaces : public ::testing::TestWithParam<BadSurface> {};

TEST_P(BadSurfaces, SayWhatIsWrong) {
  EXPECT_EQ(inputErrorOf([&] { fitSurface(parseSurfacePoints(GetParam().text), LengthUnit::Mm); }),
            GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Points, BadSurfaces,
    ::testing::Values(BadSurface{"TwoPoints", "0 1\n150 12.5\n", "a fit needs at least 3 points"},
                      BadSurface{"OneRadius", "150 1\n-150 2\n150 3\n",
                                 "a fit needs points at two different radii at least"},
                      BadSurface{"NotADish", "0 1\n100 0\n200 -3\n",
                                 "the points do not form a dish: the depth must grow away from the "
                                 "centre"},
                      BadSurface{"LineWithOneNumber", "0 1\n# note\n150 12.5\n300\n",
                                 "line 4: expected two numbers, radius and depth, not \"300\""},
                      BadSurface{"DecimalComma", "0 1\n150 12,5 7\n",
                                 "line 2: expected two numbers, radius and depth, not \"150 12,5 "
                                 "7\"; a point is the decimal mark (150.5, not 150,5)"},
                      BadSurface{"Letters", "0 1\n150 x\n",
                                 "line 2: expected two numbers, radius and depth, not \"150 x\""},
                      BadSurface{"ByteOrderMarkSkipped",
                                 "\xEF\xBB\xBF"
                                 "0 1\n150 12.5\n",
                                 "a fit needs at least 3 points"},
                      BadSurface{"RadiiBeyondDoubles", "1e200 1\n2e200 2\n3e200 3\n",
                                 "the radii are too large to compute with"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(SurfaceFit, LossNeedsAFrequency) {
  EXPECT_THROW(surfaceLossDb(0.4, LengthUnit::Mm, 0), InputError);
}

} // namespace
} // namespace dishwright
