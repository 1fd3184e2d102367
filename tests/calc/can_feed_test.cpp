#include "calc/common/input_error.h"
#include "calc/physics/can_feed.h"
#include "calc/physics/can_pattern_table.h"
#include "calc/physics/feed_efficiency.h"
#include "calc/physics/phase_centre.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace dishwright {
namespace {

const double kCmMHz = 29979.2458; // c in cm x MHz: a can of kCmMHz / f cm is one wavelength

std::vector<CanPatternRow> csvRows() {
  std::ifstream file(DISHWRIGHT_CAN_PATTERNS_CSV);
  std::vector<CanPatternRow> rows;
  for (std::string line; std::getline(file, line);) {
    if (line.empty() || line[0] == '#' || line[0] == 'd')
      continue;
    std::istringstream in(line);
    CanPatternRow r{};
    char comma = 0;
    in >> r.diameterWavelengths >> comma >> r.angleDeg >> comma >> r.eDb >> comma >> r.ePhaseDeg >>
        comma >> r.hDb >> comma >> r.hPhaseDeg;
    rows.push_back(r);
  }
  return rows;
}

// The rows built in are the committed table's, number for number, laid out as
// the lookup takes them: equal diameter steps, 0 to 180 degrees each.
TEST(SimulatedCans, CompiledRowsAreTheTable) {
  const std::vector<CanPatternRow> rows = csvRows();
  ASSERT_EQ(rows.size(), kCanPatternRowCount);
  const double step = rows[kCanPatternAngles].diameterWavelengths - rows[0].diameterWavelengths;
  EXPECT_NEAR(step, 0.02, 1e-12);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const CanPatternRow &a = rows[i], &b = kCanPatternRows[i];
    ASSERT_EQ(a.diameterWavelengths, b.diameterWavelengths) << i;
    const std::size_t can = i / kCanPatternAngles; // whole cans before this row
    EXPECT_NEAR(b.diameterWavelengths, 0.60 + step * double(can), 1e-9) << i;
    EXPECT_EQ(b.angleDeg, double(i % kCanPatternAngles)) << i;
    EXPECT_EQ(a.eDb, b.eDb) << i;
    EXPECT_EQ(a.hPhaseDeg, b.hPhaseDeg) << i;
  }
}

// On a row the pattern is the row; between rows, level and phase are linear in
// the diameter at each angle (45 and 90 degrees are samples of the grid).
struct Between {
  const char *name;
  double diameterWavelengths;
  double lowRow;   // the simulated diameter below
  double fraction; // of the way to the next
};

class Interpolation : public ::testing::TestWithParam<Between> {};

TEST_P(Interpolation, IsLinearBetweenRows) {
  const Between c = GetParam();
  const std::vector<CanPatternRow> rows = csvRows();
  const std::size_t low = std::size_t(std::lround((c.lowRow - 0.60) / 0.02)) * kCanPatternAngles;
  const FeedPattern p = simulatedCanPattern(c.diameterWavelengths);
  for (int angle : {45, 90}) {
    const CanPatternRow &a = rows[low + angle], &b = rows[low + kCanPatternAngles + angle];
    const std::size_t i = std::size_t(angle) * kPatternSteps / 180;
    ASSERT_DOUBLE_EQ(p.angleDeg(i), angle);
    EXPECT_NEAR(p.eDb(i), a.eDb + c.fraction * (b.eDb - a.eDb), 1e-9) << angle;
    EXPECT_NEAR(p.hDb(i), a.hDb + c.fraction * (b.hDb - a.hDb), 1e-9) << angle;
    EXPECT_NEAR(p.ePhaseRad(i) * 180 / M_PI, a.ePhaseDeg + c.fraction * (b.ePhaseDeg - a.ePhaseDeg),
                1e-9);
    EXPECT_NEAR(p.hPhaseRad(i) * 180 / M_PI, a.hPhaseDeg + c.fraction * (b.hPhaseDeg - a.hPhaseDeg),
                1e-9);
  }
}

INSTANTIATE_TEST_SUITE_P(Diameters, Interpolation,
                         ::testing::Values(Between{"OnARow", 0.74, 0.74, 0},
                                           Between{"Midway", 0.75, 0.74, 0.5},
                                           Between{"AQuarter", 0.705, 0.70, 0.25},
                                           Between{"LowestRow", 0.60, 0.60, 0}),
                         [](const auto &info) { return info.param.name; });

// The 0.75-wavelength can (22.48 mm at 10 GHz): the full-wave best f/D lies near
// 0.40 with about 70 %, where the aperture formula puts it at 0.34; its phase
// centre lies within 0.1 wavelength of its mouth.
TEST(SimulatedCans, ThreeQuarterWavelengthCan) {
  const CanFeed can = canFeed(22.48, LengthUnit::Mm, 10000, CanModel::Simulated);
  ASSERT_EQ(can.model, CanModel::Simulated);
  const BestFd best = FeedEfficiencies(can.pattern).best();
  EXPECT_NEAR(best.fd, 0.39, 0.02);
  EXPECT_NEAR(best.aperture, 0.70, 0.02);
  EXPECT_LT(std::abs(phaseCentre(can.pattern).meanWavelengths), 0.1);
  const CanFeed formula = canFeed(22.48, LengthUnit::Mm, 10000, CanModel::OpenWaveguide);
  EXPECT_NEAR(FeedEfficiencies(formula.pattern).best().fd, 0.34, 0.01);
}

// Outside the simulated cans the formula answers, with a warning; inside, and at
// both ends, the table does.
struct Range {
  const char *name;
  double diameterWavelengths; // 0: the largest simulated can
  CanModel used;
};

class SimulatedRange : public ::testing::TestWithParam<Range> {};

TEST_P(SimulatedRange, FallsBackToTheFormulaWithAWarning) {
  const Range c = GetParam();
  const double frequencyMHz = 10000;
  const double wavelengths =
      c.diameterWavelengths > 0 ? c.diameterWavelengths : simulatedCanHighestWavelengths();
  const CanFeed can = canFeed(wavelengths * kCmMHz / frequencyMHz, LengthUnit::Cm, frequencyMHz,
                              CanModel::Simulated);
  EXPECT_EQ(can.model, c.used);
  EXPECT_EQ(can.pattern.hasPhases(), c.used == CanModel::Simulated);
  bool warned = false;
  for (const FeedRemark &remark : can.remarks)
    warned = warned || remark.text.find("outside the simulated cans") != std::string::npos;
  EXPECT_EQ(warned, c.used == CanModel::OpenWaveguide);
}

INSTANTIATE_TEST_SUITE_P(Diameters, SimulatedRange,
                         ::testing::Values(Range{"NearCutoff", 0.59, CanModel::OpenWaveguide},
                                           Range{"Lowest", 0.60, CanModel::Simulated},
                                           Range{"Inside", 0.9, CanModel::Simulated},
                                           Range{"Highest", 0, CanModel::Simulated},
                                           Range{"Wide", 1.5, CanModel::OpenWaveguide}),
                         [](const auto &info) { return info.param.name; });

TEST(SimulatedCans, RefuseADiameterOutsideTheTable) {
  EXPECT_THROW(simulatedCanPattern(0.59), InputError);
  EXPECT_THROW(simulatedCanPattern(simulatedCanHighestWavelengths() + 0.01), InputError);
}

// A feed whose field goes as cos^2(t/2) in both planes lights the aperture so
// that (E + H) tan(t/2) dt = sin t dt: the phase efficiency of a point source s
// wavelengths off the focus is then |integral exp(-j k s u) du|^2 / U^2 over
// u = 1 - cos t from 0 to U = 1 - cos(rim), that is sinc^2(pi s U).
FeedPattern halfAngleCosSquared(double phaseCentreWavelengths) {
  std::vector<double> a(kPatternSteps + 1), phase(a.size());
  for (std::size_t i = 0; i < a.size(); ++i) {
    const double t = M_PI * double(i) / kPatternSteps;
    a[i] = std::pow(std::cos(t / 2), 2);
    phase[i] = 2 * M_PI * phaseCentreWavelengths * (1 - std::cos(t));
  }
  FeedPattern pattern(M_PI, a, a);
  pattern.setPhases(phase, phase);
  return pattern;
}

struct Defocus {
  const char *name;
  double fd;
  double sWavelengths; // the source in front of the focus
};

class PhaseEfficiency : public ::testing::TestWithParam<Defocus> {};

TEST_P(PhaseEfficiency, MatchesTheClosedForm) {
  const Defocus c = GetParam();
  const double u = 1 - std::cos(2 * std::atan(1 / (4 * c.fd)));
  const double x = M_PI * c.sWavelengths * u;
  const double expected = x == 0 ? 1 : std::pow(std::sin(x) / x, 2);
  EXPECT_NEAR(phaseEfficiency(halfAngleCosSquared(0), c.fd, c.sWavelengths), expected, 1e-6);
  // The same source with its phase centre 0.3 wavelength behind the reference:
  // the reference goes 0.3 wavelength further in front for the same figure.
  EXPECT_NEAR(phaseEfficiency(halfAngleCosSquared(0.3), c.fd, 0.3 + c.sWavelengths), expected,
              1e-6);
}

INSTANTIATE_TEST_SUITE_P(Placements, PhaseEfficiency,
                         ::testing::Values(Defocus{"AtTheFocus", 0.4, 0},
                                           Defocus{"QuarterWaveIn", 0.4, 0.25},   // 0.93677
                                           Defocus{"FifthWaveOut", 0.3, -0.2},    // 0.91465
                                           Defocus{"WaveOnDeepDish", 0.25, 1.0}), // 0
                         [](const auto &info) { return info.param.name; });

// Phases k d (1 - cos t) place the centre d behind the reference, plane by plane.
TEST(PhaseCentre, FitsEachPlane) {
  FeedPattern p = halfAngleCosSquared(0);
  std::vector<double> e(p.sampleCount()), h(p.sampleCount());
  for (std::size_t i = 0; i < e.size(); ++i) {
    const double u = 1 - std::cos(double(i) * p.stepRad());
    e[i] = 0.3 + 2 * M_PI * 0.12 * u; // a constant does not move the centre
    h[i] = 2 * M_PI * -0.04 * u;
  }
  p.setPhases(e, h);
  const PhaseCentre centre = phaseCentre(p);
  EXPECT_NEAR(centre.eWavelengths, 0.12, 1e-9);
  EXPECT_NEAR(centre.hWavelengths, -0.04, 1e-9);
  EXPECT_NEAR(centre.meanWavelengths, 0.04, 1e-9);
  EXPECT_THROW(phaseCentre(FeedPattern(M_PI, {1, 0.5}, {1, 0.5})), InputError);
  EXPECT_THROW(feedPhaseFigures(p, 0.4, 10.5), InputError); // not near the focus
  EXPECT_TRUE(feedPhaseFigures(p, 0.4, -10).efficiency.has_value());
}

} // namespace
} // namespace dishwright
