#include "calc/common/input_error.h"
#include "calc/physics/feed_efficiency.h"
#include "calc/physics/feed_pattern.h"

#include "tests/calc/thrown.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

namespace dishwright {
namespace {

using Amplitude = std::function<double(double)>; // of the angle, radians

// Adaptive Simpson in 256 panels (so that a narrow beam cannot slip between the
// first points), independent of the running sums the code keeps.
double simpson(const Amplitude &f, double a, double b, double whole, int depth) {
  const double m = (a + b) / 2, left = (f(a) + 4 * f((a + m) / 2) + f(m)) * (m - a) / 6;
  const double right = (f(m) + 4 * f((m + b) / 2) + f(b)) * (b - m) / 6;
  if (depth == 0 || std::abs(left + right - whole) < 1e-15)
    return left + right;
  return simpson(f, a, m, left, depth - 1) + simpson(f, m, b, right, depth - 1);
}

double integrate(const Amplitude &f, double a, double b) {
  double sum = 0;
  for (int k = 0; k < 256; ++k) {
    const double p = a + (b - a) * k / 256, q = a + (b - a) * (k + 1) / 256;
    sum += simpson(f, p, q, (f(p) + 4 * f((p + q) / 2) + f(q)) * (q - p) / 6, 30);
  }
  return sum;
}

Amplitude cosN(double n) {
  return [n](double t) { return t < M_PI / 2 ? std::pow(std::cos(t), n / 2) : 0.0; };
}

// The open can's TE11 aperture pattern with Huygens factors, written out afresh;
// kRoot is the first zero of J1'.
const double kRoot = 1.8411837813406593, kCmMHz = 29979.2458; // c in cm x MHz
Amplitude canE(double ka) {
  return [ka](double t) {
    const double b = std::sqrt(1 - std::pow(kRoot / ka, 2)), x = ka * std::sin(t);
    return (1 + b * std::cos(t)) * (x < 1e-12 ? 1.0 : 2 * std::cyl_bessel_j(1, x) / x);
  };
}
Amplitude canH(double ka) {
  return [ka](double t) {
    const double b = std::sqrt(1 - std::pow(kRoot / ka, 2)), x = ka * std::sin(t);
    const double dJ1 = std::cyl_bessel_j(0, x) - std::cyl_bessel_j(2, x); // 2 J1'
    return (b + std::cos(t)) * (std::abs(x - kRoot) < 1e-7
                                    ? (kRoot * kRoot - 1) / kRoot * std::cyl_bessel_j(1, kRoot)
                                    : dJ1 / (1 - std::pow(x / kRoot, 2)));
  };
}

struct Independent {
  std::string name;
  std::function<FeedPattern()> pattern;
  Amplitude e, h;
};

class AgainstIntegration : public ::testing::TestWithParam<Independent> {};

TEST_P(AgainstIntegration, SpilloverAndApertureTo1e4) {
  const Independent &feed = GetParam();
  const FeedEfficiencies efficiencies(feed.pattern());
  const auto power = [&](double t) {
    return (std::pow(feed.e(t), 2) + std::pow(feed.h(t), 2)) * std::sin(t);
  };
  const auto focused = [&](double t) { return (feed.e(t) + feed.h(t)) * std::tan(t / 2); };
  // Ludwig's third definition: across, (E - H) sin p cos p, a quarter of
  // (E - H)^2 against (E^2 + H^2) once averaged round the axis.
  const auto across = [&](double t) { return std::pow(feed.e(t) - feed.h(t), 2) * std::sin(t); };
  const double total = integrate(power, 0, M_PI / 2) + integrate(power, M_PI / 2, M_PI);
  for (const double fd : {0.22, 0.3, 0.45, 0.7, 1.1, 1.5}) {
    const double rim = 2 * std::atan(1 / (4 * fd));
    const FeedOnDish got = efficiencies.at(fd);
    EXPECT_NEAR(got.spillover, integrate(power, 0, rim) / total, 1e-4) << fd;
    const double aperture = std::pow(integrate(focused, 0, rim) / std::tan(rim / 2), 2) / total;
    EXPECT_NEAR(got.aperture, aperture, 1e-4) << fd;
    const double crossPolar = 1 - integrate(across, 0, rim) / integrate(power, 0, rim) / 4;
    EXPECT_NEAR(got.crossPolar, crossPolar, 1e-6) << fd;
    EXPECT_NEAR(got.illumination * got.crossPolar, aperture / got.spillover, 1e-4) << fd;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Feeds, AgainstIntegration,
    ::testing::Values(
        Independent{"Cos1", [] { return cosNPattern(1); }, cosN(1), cosN(1)},
        Independent{"Cos12", [] { return cosNPattern(12); }, cosN(12), cosN(12)},
        Independent{"Cos400", [] { return cosNPattern(400); }, cosN(400), cosN(400)},
        Independent{"CanNearCutoff", [] { return canPattern(7.6, LengthUnit::Cm, 2400); },
                    canE(M_PI * 7.6 * 2400 / kCmMHz), canH(M_PI * 7.6 * 2400 / kCmMHz)},
        Independent{"CanOvermoded", [] { return canPattern(5, LengthUnit::Inch, 10368); },
                    canE(M_PI * 12.7 * 10368 / kCmMHz), canH(M_PI * 12.7 * 10368 / kCmMHz)}),
    [](const auto &info) { return info.param.name; });

struct Worked {
  std::string name;
  double n, fd, rimAngleDeg, edgeTaperDb, spillover, illumination, aperture;
};

class CosNWorkedFigures : public ::testing::TestWithParam<Worked> {};

TEST_P(CosNWorkedFigures, Hold) {
  const Worked &w = GetParam();
  const FeedOnDish got = FeedEfficiencies(cosNPattern(w.n)).at(w.fd);
  EXPECT_NEAR(got.rimAngleDeg, w.rimAngleDeg, 0.05);
  EXPECT_NEAR(got.edgeTaperDb, w.edgeTaperDb, 5e-3);
  EXPECT_NEAR(got.spillover, w.spillover, 5e-5);
  EXPECT_NEAR(got.illumination, w.illumination, 5e-5);
  EXPECT_NEAR(got.aperture, w.aperture, 5e-5);
}

INSTANTIATE_TEST_SUITE_P(
    CosN, CosNWorkedFigures,
    ::testing::Values(Worked{"N2", 2, 0.385, 66.0, -10.87, 0.9327, 0.8888, 0.8290},
                      Worked{"N4", 4, 0.40, 64.01, -17.20, 0.9838, 0.7693, 0.7569}),
    [](const auto &info) { return info.param.name; });

struct BestCase {
  const char *name;
  std::function<FeedPattern()> pattern;
  double fd, aperture;
  BestFdEdge edge;
};

class BestFds : public ::testing::TestWithParam<BestCase> {};

// Worked apart with mpmath: cos^n is best where d/d(f/D) of
// 2 (n+1) cot^2(rim/2) (integral of cos^(n/2) t tan(t/2))^2 vanishes; cos^1000
// still rises at f/D 5 (0.672186 at 4.99, 0.673682 at 5), and a feed sending alike
// in every direction still falls at 0.2 (0.566688 there, 0.549680 at 0.21).
TEST_P(BestFds, FoundOrSaidToLieBeyond) {
  const BestCase &c = GetParam();
  const BestFd best = FeedEfficiencies(c.pattern()).best();
  EXPECT_NEAR(best.fd, c.fd, 5e-5);
  EXPECT_NEAR(best.aperture, c.aperture, 5e-5);
  EXPECT_EQ(best.edge, c.edge);
}

INSTANTIATE_TEST_SUITE_P(
    Feeds, BestFds,
    ::testing::Values(
        BestCase{"Cos4", [] { return cosNPattern(4); }, 0.498076, 0.819622, BestFdEdge::Inside},
        BestCase{"Cos100", [] { return cosNPattern(100); }, 2.241454, 0.814541, BestFdEdge::Inside},
        BestCase{"Cos1000", [] { return cosNPattern(1000); }, 5, 0.673682, BestFdEdge::Highest},
        BestCase{"AlikeEverywhere",
                 [] {
                   return listedPattern({{0, 0, 0}, {180, 0, 0}});
                 },
                 0.2, 0.566688, BestFdEdge::Lowest}),
    [](const auto &info) { return std::string(info.param.name); });

// A listed pattern is not known past its end: a rim beyond it is refused, a rim
// at it (f/D 0.25 puts the rim at 90 degrees) is worked out.
TEST(FeedEfficiency, ListedPatternMustReachTheRim) {
  const FeedEfficiencies to40(listedPattern({{0, 0, 0}, {40, -3, -3}}));
  EXPECT_NO_THROW(to40.at(0.7)); // rim 39.3 degrees
  EXPECT_EQ(inputErrorOf([&] { to40.at(0.4); }),
            "the pattern stops at 40 degrees; the dish's rim is at 64.011 degrees");
  EXPECT_NO_THROW(FeedEfficiencies(listedPattern({{0, 0, 0}, {90, -20, -20}})).at(0.25));
  EXPECT_NO_THROW(FeedEfficiencies(cosNPattern(400)).at(0.4)); // a model ends at its floor
}

TEST(FeedEfficiency, CurveEndsWhereAsked) {
  const auto curve = FeedEfficiencies(cosNPattern(3)).curve(0.2, 1.5, 201);
  ASSERT_EQ(curve.size(), 201u);
  EXPECT_EQ(curve.front().fd, 0.2);
  EXPECT_EQ(curve.back().fd, 1.5);
}

// A wider can is more directive: it suits a flatter dish, and lights the rim less.
TEST(CanPattern, WiderCanNarrowerBeam) {
  double lastFd = 0;
  for (const double cm : {8.0, 9.0, 10.0, 11.0}) {
    const FeedPattern can = canPattern(cm, LengthUnit::Cm, 2400);
    EXPECT_DOUBLE_EQ(can.eAmplitude(0), can.hAmplitude(0)) << cm;
    const double fd = FeedEfficiencies(can).best().fd;
    EXPECT_GT(fd, lastFd) << cm;
    lastFd = fd;
  }
}

class Beamwidths : public ::testing::TestWithParam<std::pair<const char *, double>> {};

// The equivalent cos^n feed is 10 dB down at half the beamwidth.
TEST_P(Beamwidths, TenDbDownAtTheEdges) {
  const double widthDeg = GetParam().second;
  const double n = cosNForBeamwidth(widthDeg);
  EXPECT_NEAR(n * std::log10(std::cos(widthDeg / 2 * M_PI / 180)), -1, 1e-12);
  const double amplitude = cosNPattern(n).eAmplitudeAt(widthDeg / 2 * M_PI / 180);
  EXPECT_NEAR(20 * std::log10(amplitude), -10, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(Widths, Beamwidths,
                         ::testing::Values(std::make_pair("Wide160", 160.0),
                                           std::make_pair("Medium90", 90.0),
                                           std::make_pair("Narrow6", 6.0)),
                         [](const auto &info) { return std::string(info.param.first); });

TEST(DishGain, MetricAndImperialAgree) {
  const DishGain metric = dishGain({3, DishSizeUnit::Metres, 10368, 300, 1}, 0.6);
  EXPECT_NEAR(metric.blockage, 0.9801, 1e-12);
  EXPECT_NEAR(metric.surface, 0.827892, 1e-6);
  EXPECT_NEAR(metric.total, 0.486850, 1e-6);
  EXPECT_NEAR(metric.gainDbi, 47.13686, 1e-5);
  const DishGain feet =
      dishGain({3000 / 304.8, DishSizeUnit::Feet, 10368, 300 / 25.4, 1 / 25.4}, 0.6);
  EXPECT_NEAR(feet.gainDbi, metric.gainDbi, 1e-9);
}

struct Refusal {
  std::string name;
  std::function<void()> run;
  std::string message;
};

class Refusals : public ::testing::TestWithParam<Refusal> {};

TEST_P(Refusals, SayWhatIsWrong) {
  EXPECT_EQ(inputErrorOf([&] { GetParam().run(); }), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, Refusals,
    ::testing::Values(Refusal{"CosNZero", [] { cosNPattern(0); },
                              "the cos n exponent must be greater than 0"},
                      Refusal{"BeamwidthZero", [] { cosNForBeamwidth(0); },
                              "the beamwidth must lie between 0 and 180 degrees"},
                      Refusal{"Beamwidth180", [] { cosNForBeamwidth(180); },
                              "the beamwidth must lie between 0 and 180 degrees"},
                      Refusal{"CanBelowCutoff", [] { canPattern(5, LengthUnit::Cm, 3000); },
                              "a can 5 cm across carries nothing below 3514 MHz (its TE11 cutoff)"},
                      Refusal{"FdZero", [] { FeedEfficiencies(cosNPattern(2)).at(0); },
                              "the f/D must be greater than 0"},
                      Refusal{"BlockageAsWide",
                              [] {
                                dishGain({1.2, DishSizeUnit::Metres, 10368, 1200, 0}, 0.6);
                              },
                              "the blockage diameter must be smaller than the dish"},
                      Refusal{"GainOverflows",
                              [] {
                                dishGain({1e300, DishSizeUnit::Metres, 1e300, 0, 0}, 0.6);
                              },
                              "the diameter is too many wavelengths across to compute with"}),
    [](const auto &info) { return info.param.name; });

} // namespace
} // namespace dishwright
