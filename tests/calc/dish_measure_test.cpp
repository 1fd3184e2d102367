#include "calc/common/input_error.h"
#include "calc/physics/dish_measure.h"

#include "tests/calc/thrown.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

namespace dishwright {
namespace {

TEST(DishMeasure, PrimeFocusWorkedExample) {
  const PrimeFocusDish dish = measurePrimeFocus(3000, 450);
  EXPECT_DOUBLE_EQ(dish.focalLength, 1250);
  EXPECT_NEAR(dish.fd, 0.41667, 5e-6);
  EXPECT_NEAR(dish.rimAngleDeg, 61.93, 5e-3);
  EXPECT_NEAR(dish.rimLossDb, 2.671, 5e-4);
}

TEST(DishMeasure, OffsetWorkedExample) {
  const OffsetDish dish = measureOffset(460, 500, 43);
  EXPECT_NEAR(dish.focalLength, 282.95, 5e-3);
  EXPECT_NEAR(dish.offsetAngleDeg, 23.07, 5e-3);
  EXPECT_NEAR(dish.fd, 0.7128, 5e-5);
}

// The f/D the feed sees, from the angle between the two rim points of the cut as
// seen from the focus of the parent z = y^2 / 4F, found by plain geometry.
TEST(DishMeasure, OffsetFdMatchesRimAnglesSeenFromTheFocus) {
  for (const double width : {300.0, 460.0, 590.0}) {
    const double height = 640, depth = 38;
    const OffsetDish dish = measureOffset(width, height, depth);
    const double f = dish.focalLength;
    const double centre = 2 * f * std::tan(dish.offsetAngleDeg * M_PI / 180);
    auto angle = [f](double y) { return std::atan2(y, f - y * y / (4 * f)); };
    const double seen = angle(centre + width / 2) - angle(centre - width / 2);
    EXPECT_NEAR(dish.fd, 1 / (4 * std::tan(seen / 4)), 1e-12) << width;
  }
}

TEST(DishMeasure, OffsetFeedPlacement) {
  const OffsetDish dish = measureOffset(73, 80, 6);
  EXPECT_NEAR(dish.focalLength, 50.653, 5e-4);
  EXPECT_NEAR(dish.focusToNearRim, 51.046, 5e-4);
  EXPECT_NEAR(dish.focusToFarRim, 83.772, 5e-4);
  EXPECT_NEAR(dish.feedHalfAngleDeg, 33.929, 5e-4);
  EXPECT_NEAR(dish.aimFromNearRim, 30.290, 5e-4);
  EXPECT_NEAR(dish.fd, 0.81952, 5e-6);
}

// The aim point by plain geometry: the ray from the focus of z = y^2 / 4F, midway
// between the two rim points, crossing the straightedge joining them.
TEST(DishMeasure, AimPointIsWhereTheFeedAxisCrossesTheStraightedge) {
  for (const double width : {300.0, 460.0, 640.0}) {
    const OffsetDish dish = measureOffset(width, 640, 38);
    const double f = dish.focalLength;
    const double y1 = dish.nearRim, z1 = y1 * y1 / (4 * f), y2 = dish.farRim,
                 z2 = y2 * y2 / (4 * f);
    const double mid = (std::atan2(y1, f - z1) + std::atan2(y2, f - z2)) / 2;
    const double dy = std::sin(mid), dz = -std::cos(mid), ey = y2 - y1, ez = z2 - z1;
    // focus + s d = rim1 + u e, solved for u by Cramer's rule.
    const double u = (dy * (z1 - f) - dz * y1) / (dy * -ez + ey * dz);
    EXPECT_NEAR(dish.aimFromNearRim, u * std::hypot(ey, ez), 1e-9) << width;
    EXPECT_NEAR(dish.focusToNearRim, std::hypot(y1, f - z1), 1e-9) << width;
  }
}

// A round offset dish is a prime-focus dish seen square on.
TEST(DishMeasure, RoundOffsetIsPrimeFocus) {
  const OffsetDish offset = measureOffset(900, 900, 60);
  const PrimeFocusDish prime = measurePrimeFocus(900, 60);
  EXPECT_DOUBLE_EQ(offset.offsetAngleDeg, 0);
  EXPECT_DOUBLE_EQ(offset.focalLength, prime.focalLength);
  EXPECT_NEAR(offset.fd, prime.fd, 1e-12);
}

// The two axes typed the other way round measure the same dish: the larger is
// the height, and the dish says it was taken so.
TEST(DishMeasure, OffsetAxesInEitherOrder) {
  const OffsetDish typed = measureOffset(73, 80, 6), swapped = measureOffset(80, 73, 6);
  EXPECT_FALSE(typed.axesSwapped);
  EXPECT_TRUE(swapped.axesSwapped);
  for (const OffsetDish &dish : {typed, swapped}) {
    EXPECT_EQ(dish.width, 73);
    EXPECT_EQ(dish.height, 80);
    EXPECT_NEAR(dish.fd, 0.81952, 5e-6);
    EXPECT_NEAR(dish.aimFromNearRim, 30.290, 5e-4);
  }
}

struct BadDish {
  const char *name;
  std::function<void()> measure;
  std::string message;
};

class BadDishes : public ::testing::TestWithParam<BadDish> {};

TEST_P(BadDishes, SayWhatIsWrong) {
  EXPECT_EQ(inputErrorOf([&] { GetParam().measure(); }), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, BadDishes,
    ::testing::Values(BadDish{"PrimeZeroDiameter", [] { measurePrimeFocus(0, 10); },
                              "the diameter must be greater than 0"},
                      BadDish{"PrimeZeroDepth", [] { measurePrimeFocus(100, 0); },
                              "the depth must be greater than 0"},
                      BadDish{"PrimeNegativeDepth", [] { measurePrimeFocus(100, -1); },
                              "the depth must be greater than 0"},
                      BadDish{"OffsetNegativeWidth", [] { measureOffset(-4, 500, 43); },
                              "the width must be greater than 0"},
                      BadDish{"OffsetZeroHeight", [] { measureOffset(460, 0, 43); },
                              "the height must be greater than 0"},
                      BadDish{"OffsetZeroDepth", [] { measureOffset(460, 500, 0); },
                              "the depth must be greater than 0"},
                      BadDish{"SizesTooFarApart", [] { measurePrimeFocus(1e300, 1e-300); },
                              "these sizes are too far apart to compute with"},
                      // 100 across, 0.01 deep: f/D 100 / 0.16 = 625
                      BadDish{
                          "FlatterThanAnyDish", [] { measurePrimeFocus(100, 0.01); },
                          "these sizes make an f/D of 625, flatter than any dish (100 at most)"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace dishwright
