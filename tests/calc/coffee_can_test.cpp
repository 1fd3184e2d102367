#include "calc/physics/can_check.h"
#include "calc/screen_rules/calc_error.h"
#include "calc/screen_rules/coffee_can.h"
#include "tests/calc/recording_sink.h"

#include "tests/calc/thrown.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dishwright {
namespace {

using test::RecordingSink;
using Strings = std::vector<std::string>;

struct CanCase {
  const char *name;
  float freq;
  CoffeeCanValues stored;
  Strings writes;
};

class WorkedCans : public ::testing::TestWithParam<CanCase> {};

TEST_P(WorkedCans, StoredValuesAndTexts) {
  const CanCase &c = GetParam();
  DesignValues design;
  design.freq = c.freq;
  CoffeeCanValues can;
  RecordingSink sink;
  loadCoffeeCan(design, can, sink);
  const CoffeeCanValues &e = c.stored;
  EXPECT_EQ(can.idin, e.idin);
  EXPECT_EQ(can.idcm, e.idcm);
  EXPECT_EQ(can.milin, e.milin);
  EXPECT_EQ(can.malin, e.malin);
  EXPECT_EQ(can.milcm, e.milcm);
  EXPECT_EQ(can.malcm, e.malcm);
  EXPECT_EQ(can.spin, e.spin);
  EXPECT_EQ(can.spcm, e.spcm);
  EXPECT_EQ(can.antin, e.antin);
  EXPECT_EQ(can.antcm, e.antcm);
  EXPECT_EQ(can.lambda, e.lambda);
  EXPECT_EQ(can.lambdag, e.lambdag);
  EXPECT_EQ(sink.writes, c.writes);
}

// Values in declaration order: idin, idcm, milin, malin, milcm, malcm, spin, spcm,
// antin, antcm, lambda, lambdag. The probe sits a quarter of the guide wavelength
// 11802.85 / sqrt(F^2 - (6917.26 / idin)^2) from the back: 5.53 cm at 2400 MHz and
// 10.24 cm at 1296 MHz, as a round guide's dispersion gives for these cans.
INSTANTIATE_TEST_SUITE_P(
    Examples, WorkedCans,
    ::testing::Values(
        CanCase{"MHz2400",
                2400,
                {3.4917800426f, 8.875f, 9.8374004364f, 14.7561006546f, 24.9869976044f,
                 37.4804954529f, 2.1779060364f, 5.5318813324f, 1.1699999571f, 2.9717998505f,
                 4.9187002182f, 8.7116241455f},
                {"frequency=2400", "can diameter inches=3.49178", "can diameter cm=8.875",
                 "shortest can inches=9.8374", "longest can inches=14.7561",
                 "probe position inches=2.177906", "probe position cm=5.531881",
                 "shortest can cm=24.987", "longest can cm=37.4805", "probe length inches=1.17",
                 "probe length cm=2.9718"}},
        CanCase{"MHz1296",
                1296,
                {6.4662594795f, 16.4351844788f, 18.2200775146f, 27.3301162720f, 46.2789955139f,
                 69.4184951782f, 4.0331592560f, 10.2442245483f, 2.1666667461f, 5.5033335686f,
                 9.1100387573f, 16.1326370239f},
                {"frequency=1296", "can diameter inches=6.466259", "can diameter cm=16.43518",
                 "shortest can inches=18.22008", "longest can inches=27.33012",
                 "probe position inches=4.033159", "probe position cm=10.24422",
                 "shortest can cm=46.279", "longest can cm=69.4185", "probe length inches=2.166667",
                 "probe length cm=5.503334"}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(CoffeeCan, ZeroFrequencyFailsBeforeAnyValue) {
  DesignValues design;
  CoffeeCanValues can;
  can.idin = 7;
  RecordingSink sink;
  EXPECT_EQ(calcErrorOf([&] { loadCoffeeCan(design, can, sink); }), ErrorKind::DivisionByZero);
  EXPECT_EQ(sink.writes, Strings{"frequency=0"});
  EXPECT_EQ(can.idin, 7.0f);
}

TEST(CoffeeCan, BelowCutoffTheRootFails) {
  DesignValues design;
  design.freq = 0.5f;
  CoffeeCanValues can;
  RecordingSink sink;
  EXPECT_EQ(calcErrorOf([&] { loadCoffeeCan(design, can, sink); }), ErrorKind::InvalidArgument);
  EXPECT_EQ(sink.writes, Strings{"frequency=0.5"});
  EXPECT_NE(can.idin, 0.0f);
  EXPECT_NE(can.idcm, 0.0f);
  EXPECT_NE(can.antin, 0.0f);
  EXPECT_NE(can.antcm, 0.0f);
  EXPECT_EQ(can.lambda, 0.0f);
  EXPECT_EQ(can.milin, 0.0f);
}

TEST(CoffeeCan, TinyFrequencyOverflows) {
  DesignValues design;
  design.freq = 1e-36f;
  CoffeeCanValues can;
  RecordingSink sink;
  EXPECT_EQ(calcErrorOf([&] { loadCoffeeCan(design, can, sink); }), ErrorKind::Overflow);
}

TEST(CoffeeCan, NegativeFrequencyComputes) {
  DesignValues design;
  design.freq = -2400;
  CoffeeCanValues can;
  RecordingSink sink;
  loadCoffeeCan(design, can, sink);
  EXPECT_LT(can.idin, 0);
  EXPECT_LT(can.idcm, 0);
  EXPECT_LT(can.antin, 0);
  EXPECT_LT(can.antcm, 0);
  EXPECT_GT(can.milin, 0);
  EXPECT_GT(can.malin, 0);
  EXPECT_GT(can.spin, 0);
  // root argument 5761981.01 against 5758018.987 at +2400 MHz: a shorter lambda
  EXPECT_LT(can.lambda, 4.9187002182f);
}

TEST(CoffeeCan, LengthsDeriveFromStoredSingles) {
  DesignValues design;
  design.freq = 5760;
  CoffeeCanValues c;
  RecordingSink sink;
  loadCoffeeCan(design, c, sink);
  EXPECT_EQ(c.milin, c.lambda * 2);
  EXPECT_EQ(c.spin, c.lambdag * 0.25f);
  EXPECT_EQ(c.malin, static_cast<float>(double{c.lambda} * 3));
  EXPECT_EQ(c.milcm, static_cast<float>(double{c.milin} * 2.54));
  EXPECT_EQ(c.spcm, static_cast<float>(double{c.spin} * 2.54));
}

// The screen's probe and the can check's agree for the screen's own can: both take
// a quarter of the guide wavelength (the screen's cutoff constant 6917.26 is the
// TE11 root's, to 5 digits).
TEST(CoffeeCan, ProbeMatchesTheCanCheckForTheSameCan) {
  for (const float freq : {1296.0f, 2400.0f, 5760.0f, 10368.0f}) {
    DesignValues design;
    design.freq = freq;
    CoffeeCanValues c;
    RecordingSink sink;
    loadCoffeeCan(design, c, sink);
    const CanCheck check = checkCan(c.idin, LengthUnit::Inch, freq);
    EXPECT_NEAR(c.spin, check.probePosition, 1e-4 * check.probePosition) << freq << " MHz";
  }
}

} // namespace
} // namespace dishwright
