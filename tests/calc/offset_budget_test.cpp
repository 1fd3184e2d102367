#include "calc/common/input_error.h"
#include "calc/physics/dish_measure.h"
#include "calc/physics/feed_efficiency.h"
#include "calc/physics/feed_pattern.h"
#include "calc/physics/loss_budget.h"
#include "calc/physics/offset_illumination.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace dishwright {
namespace {

struct PrimeCase {
  std::string name;
  std::function<FeedPattern()> pattern;
  double fd;
};

class PrimeLimit : public ::testing::TestWithParam<PrimeCase> {};

// Summed over a centred circle the offset sums are the prime-focus dish: Silver's
// integral over the feed's angle, worked apart by FeedEfficiencies.
TEST_P(PrimeLimit, EqualsThePrimeFocusDish) {
  const PrimeCase &c = GetParam();
  const FeedOnDish prime = FeedEfficiencies(c.pattern()).at(c.fd);
  const OffsetOnDish centred = OffsetIllumination(c.pattern(), primeAperture(c.fd, 1000)).at(0);
  EXPECT_NEAR(centred.spillover, prime.spillover, 1e-6);
  EXPECT_NEAR(centred.illumination, prime.illumination, 1e-6);
  EXPECT_NEAR(centred.crossPolar, prime.crossPolar, 1e-6);
  EXPECT_NEAR(centred.aperture, prime.aperture, 1e-6);
  if (c.pattern().eAmplitude(1) == c.pattern().hAmplitude(1)) { // alike planes: the taper
    EXPECT_NEAR(centred.nearRimLevelDb, prime.edgeTaperDb, 1e-6);
    EXPECT_NEAR(centred.farRimLevelDb, prime.edgeTaperDb, 1e-6);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Feeds, PrimeLimit,
    ::testing::Values(PrimeCase{"Cos2Deep", [] { return cosNPattern(2); }, 0.3},
                      PrimeCase{"Cos12Flat", [] { return cosNPattern(12); }, 0.8},
                      PrimeCase{"Can", [] { return canPattern(22.48, LengthUnit::Mm, 10000); },
                                0.4},
                      PrimeCase{"Listed",
                                [] {
                                  return listedPattern({{0, 0, 0}, {60, -8, -14}, {120, -30, -40}});
                                },
                                0.45}),
    [](const auto &info) { return info.param.name; });

// An offset dish measured ever closer to round (height to width) tends to the
// prime-focus dish of the same width and depth.
TEST(OffsetIllumination, ShrinkingOffsetTendsToPrimeFocus) {
  const FeedOnDish prime = FeedEfficiencies(cosNPattern(6)).at(measurePrimeFocus(73, 6).fd);
  double lastGap = 1;
  for (const double height : {80.0, 76.0, 73.5, 73.0}) {
    const OffsetDish dish = measureOffset(73, height, 6);
    const double gap = std::abs(
        OffsetIllumination(cosNPattern(6), offsetAperture(dish)).at(0).aperture - prime.aperture);
    EXPECT_LT(gap, lastGap) << height;
    lastGap = gap;
  }
  EXPECT_LT(lastGap, 1e-6); // the two integrations agree this far
}

// The rim of an offset paraboloid cut to a round aperture is seen from the focus
// as a circular cone about the bisector (A. W. Rudge and N. A. Adatia,
// "Offset-parabolic-reflector antennas: a review", Proc. IEEE 66, 1978): a feed
// alike in both planes aimed there spills as on the prime-focus dish of that
// cone, the "equivalent f/D". Its pattern is alike at both ends of the long
// axis, so the rims differ by the paths alone: 20 log10(83.772 / 51.046) dB for
// the 73 x 80 x 6 cm dish of "measure offset".
TEST(OffsetIllumination, SeventyThreeByEightyCentimetreDish) {
  const OffsetDish dish = measureOffset(73, 80, 6);
  const OffsetIllumination feed(cosNPattern(12), offsetAperture(dish));
  const OffsetOnDish aimed = feed.at(0);
  EXPECT_NEAR(aimed.spillover, FeedEfficiencies(cosNPattern(12)).at(dish.fd).spillover, 1e-6);
  EXPECT_NEAR(aimed.nearRimLevelDb - aimed.farRimLevelDb, 20 * std::log10(83.772 / 51.046), 1e-3);
  // The figures for this dish: about 79 %, 2.4 to 2.8 points below the
  // equivalent prime-focus dish, and 2 to 4 degrees toward the far rim recovering
  // about 0.6 point.
  const double equivalent = FeedEfficiencies(cosNPattern(12)).at(dish.fd).aperture;
  EXPECT_NEAR(aimed.aperture, 0.79, 0.005);
  EXPECT_GT(equivalent - aimed.aperture, 0.024);
  EXPECT_LT(equivalent - aimed.aperture, 0.028);
  const BestAim best = feed.best();
  EXPECT_GT(best.aimDeg, 2);
  EXPECT_LT(best.aimDeg, 4);
  EXPECT_NEAR(best.aperture - aimed.aperture, 0.006, 0.002);
  for (const double off : {-0.05, 0.05})
    EXPECT_LT(feed.at(best.aimDeg + off).aperture, best.aperture) << off;
}

// The same dish summed afresh over the feed's own angles: each direction's ray
// is reflected where it meets the paraboloid (the normal halving the turn from
// the ray to the axis), kept when it lands inside the aperture, and weighted
// with dA = rho^2 dOmega. A different route to the same co- and cross-polar power.
TEST(OffsetIllumination, CrossPolarAgainstRaysFromTheFeed) {
  const OffsetDish dish = measureOffset(73, 80, 6);
  const ApertureCircle circle = offsetAperture(dish);
  const double f = circle.focalLength,
               psi = (2 * std::atan((circle.centre - circle.radius) / (2 * f)) +
                      2 * std::atan((circle.centre + circle.radius) / (2 * f))) /
                     2;
  const auto amplitude = [](double t) { return t < M_PI / 2 ? std::pow(std::cos(t), 6) : 0.0; };
  const int nt = 800, np = 360;
  double co = 0, cross = 0, total = 0;
  for (int i = 0; i < nt; ++i) {
    const double t = (i + 0.5) * (M_PI / 2) / nt,
                 dOmega = std::sin(t) * (M_PI / 2) / nt * 2 * M_PI / np;
    for (int k = 0; k < np; ++k) {
      const double p = (k + 0.5) * 2 * M_PI / np, a = amplitude(t);
      const double ex = a * std::cos(p), ey = -a * std::sin(p); // along theta, phi
      // Feed frame: X along the E plane, Z the axis; turned by psi into the dish's.
      const double th[3] = {std::cos(t) * std::cos(p), std::cos(t) * std::sin(p), -std::sin(t)};
      const double ph[3] = {-std::sin(p), std::cos(p), 0};
      const double d[3] = {std::sin(t) * std::cos(p), std::sin(t) * std::sin(p), std::cos(t)};
      const auto turn = [psi](const double v[3]) {
        return std::vector<double>{v[0] * std::cos(psi) + v[2] * std::sin(psi), -v[1],
                                   v[0] * std::sin(psi) - v[2] * std::cos(psi)};
      };
      const auto u = turn(d), vt = turn(th), vp = turn(ph);
      total += a * a * dOmega;
      const double rho = 2 * f / (1 - u[2]);
      const double x = rho * u[0], y = rho * u[1];
      if (std::hypot(x - circle.centre, y) > circle.radius)
        continue;
      double n[3] = {-u[0], -u[1], 1 - u[2]};
      const double norm = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
      double e[3], dotNE = 0;
      for (int j = 0; j < 3; ++j) {
        n[j] /= norm;
        e[j] = ex * vt[static_cast<std::size_t>(j)] + ey * vp[static_cast<std::size_t>(j)];
        dotNE += n[j] * e[j];
      }
      const double rx = 2 * dotNE * n[0] - e[0], ry = 2 * dotNE * n[1] - e[1];
      co += rx * rx * dOmega, cross += ry * ry * dOmega;
    }
  }
  const OffsetOnDish got = OffsetIllumination(cosNPattern(12), circle).at(0);
  EXPECT_NEAR(got.spillover, (co + cross) / total, 2e-3);
  EXPECT_NEAR(1 - got.crossPolar, cross / (co + cross), 2e-4);
  EXPECT_GT(1 - got.crossPolar, 0.005); // an offset dish turns some power across
}

// Silver's aperture integral over the feed's angle for a cos^n feed alike in both
// planes: the field summed in phase out to angle t is the integral of
// cos^(n/2) s tan(s/2), and along a strut, of cos^(n/2) s (S. Silver, Microwave
// Antenna Theory and Design, 1949, on aperture blocking: the gain falls by
// (1 - blocked field / whole field)^2).
double silver(double n, double from, double to, bool alongStrut) {
  const int steps = 20000;
  double sum = 0;
  for (int i = 0; i < steps; ++i) {
    const double s = from + (i + 0.5) * (to - from) / steps;
    sum += std::pow(std::cos(s), n / 2) * (alongStrut ? 1 : std::tan(s / 2));
  }
  return sum * (to - from) / steps;
}

struct BlockCase {
  std::string name;
  double n, fd, discShare, struts, strutShare; // disc and strut widths as shares of D
};

class Blocking : public ::testing::TestWithParam<BlockCase> {};

TEST_P(Blocking, WeightedByTheFeedsOwnField) {
  const BlockCase &c = GetParam();
  const double d = 1000, f = c.fd * d, b = c.discShare * d, w = c.strutShare * d;
  const double rim = 2 * std::atan(d / (4 * f)), inner = 2 * std::atan(b / (4 * f));
  const double whole = silver(c.n, 0, rim, false);
  // Field along one strut, per unit width: the integral of F d(theta) from the
  // disc to the rim; the whole aperture's sum is 4 pi F times Silver's integral.
  const double disc = silver(c.n, 0, inner, false) / whole;
  const double struts = c.struts * w * silver(c.n, inner, rim, true) / (4 * M_PI * f * whole);
  const BlockedField got =
      OffsetIllumination(cosNPattern(c.n), primeAperture(c.fd, d)).blocked(0, b, c.struts, w);
  EXPECT_NEAR(got.disc, disc, 1e-6);
  EXPECT_NEAR(got.struts, struts, 1e-6);
  // A tapered feed lights the centre brighter than the average: its shadow costs
  // more than the uniform (b / D)^2.
  EXPECT_GT(got.disc, c.discShare * c.discShare * 1.3);
}

INSTANTIATE_TEST_SUITE_P(Feeds, Blocking,
                         ::testing::Values(BlockCase{"Cos4Deep", 4, 0.35, 0.1, 3, 0.01},
                                           BlockCase{"Cos12Flat", 12, 0.8, 0.05, 4, 0.005}),
                         [](const auto &info) { return info.param.name; });

struct MatchCase {
  std::string name;
  std::function<double()> run;
  double efficiency, tolerance;
};

class Losses : public ::testing::TestWithParam<MatchCase> {};

TEST_P(Losses, WorkedFigures) {
  EXPECT_NEAR(GetParam().run(), GetParam().efficiency, GetParam().tolerance);
}

std::vector<std::string> ignored;

// Mismatch 1 - |G|^2 (D. M. Pozar, Microwave Engineering, on mismatch loss):
// VSWR 1.5 is |G| 0.2, VSWR 3 is 0.5, 14 dB return loss is |G| 10^-0.7 = 0.19953.
// Mesh (Marcuvitz's thin-wire grid, Mumford's transmission): 6.35 mm pitch of
// 0.5 mm wire at 10368 MHz (lambda 28.915 mm) is X = 0.21961 ln(4.0425) =
// 0.30677, 1 / (1 + 4 X^2) = 0.72652; 2 mm of 0.3 mm wire there is X = 0.069169
// ln(2.1221) = 0.052057, 0.98927.
INSTANTIATE_TEST_SUITE_P(
    Budget, Losses,
    ::testing::Values(
        MatchCase{"Vswr1_5", [] { return mismatchFromVswr(1.5); }, 0.96, 1e-12},
        MatchCase{"Vswr3", [] { return mismatchFromVswr(3); }, 0.75, 1e-12},
        MatchCase{"Matched", [] { return mismatchFromVswr(1); }, 1, 0},
        MatchCase{"ReturnLoss14", [] { return mismatchFromReturnLoss(14); }, 0.96019, 5e-6},
        MatchCase{"QuarterInchMesh", [] { return meshEfficiency(6.35, 0.5, 10368, ignored); },
                  0.72652, 5e-5},
        MatchCase{"FineMesh", [] { return meshEfficiency(2, 0.3, 10368, ignored); }, 0.98927,
                  5e-5}),
    [](const auto &info) { return info.param.name; });

// The budget multiplies out: the feed and its struts together hide
// (1 - disc - struts)^2 of the gain, whichever line shows which part.
TEST(LossBudget, MultipliesOutToTheGain) {
  DishLosses dish;
  dish.frequencyMHz = 10368;
  dish.apertureDiameterMm = 1000;
  dish.blockageDiameterMm = 60;
  dish.vswr = 1.5;
  dish.surfaceErrorRmsMm = 0.5;
  const LossBudget budget = lossBudget(dish, 0.7, {0.02, 0.03});
  EXPECT_NEAR(budget.blockage * budget.struts, 0.95 * 0.95, 1e-12);
  EXPECT_NEAR(budget.blockage, 0.98 * 0.98, 1e-12);
  const double lambda = 299792.458 / 10368, ruze = std::exp(-std::pow(4 * M_PI * 0.5 / lambda, 2));
  EXPECT_NEAR(budget.total, 0.7 * 0.9025 * 0.96 * ruze, 1e-12);
  EXPECT_NEAR(budget.gainDbi, 10 * std::log10(budget.total * std::pow(M_PI * 1000 / lambda, 2)),
              1e-9);
}

TEST(LossBudget, RefusesWhatNoFeedIs) {
  EXPECT_THROW(mismatchFromVswr(0.9), InputError);
  EXPECT_THROW(mismatchFromReturnLoss(0), InputError);
  EXPECT_THROW(meshEfficiency(1, 1, 10368, ignored), InputError);
  std::vector<std::string> warnings;
  meshEfficiency(10, 0.5, 10368, warnings); // a third of a wavelength
  EXPECT_EQ(warnings.size(), 1u);
}

} // namespace
} // namespace dishwright
