#include "calc_error.h"
#include "coffee_can.h"
#include "recording_sink.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dishwright {
namespace {

using test::RecordingSink;
using Strings = std::vector<std::string>;

struct CanCase {
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
  EXPECT_EQ(sink.writes, c.writes);
}

// Values in declaration order: idin, idcm, milin, malin, milcm, malcm, spin, spcm,
// antin, antcm, lambda.
INSTANTIATE_TEST_SUITE_P(
    Examples, WorkedCans,
    ::testing::Values(CanCase{2400,
                              {3.4917800426f, 8.875f, 9.8374004364f, 14.7561006546f, 24.9869976044f,
                               37.4804954529f, 1.2296750546f, 3.1233747005f, 1.1699999571f,
                               2.9717998505f, 4.9187002182f},
                              {"Text24=2400", "Text2=3.49178", "Text4=8.875", "Text7=9.8374",
                               "Text8=14.7561", "Text12=1.229675", "Text14=3.123375",
                               "Text16=24.987", "Text17=37.4805", "Text20=1.17", "Text22=2.9718"}},
                      CanCase{1296,
                              {6.4662594795f, 16.4351844788f, 18.2200775146f, 27.3301162720f,
                               46.2789955139f, 69.4184951782f, 2.2775096893f, 5.7848744392f,
                               2.1666667461f, 5.5033335686f, 9.1100387573f},
                              {"Text24=1296", "Text2=6.466259", "Text4=16.43518", "Text7=18.22008",
                               "Text8=27.33012", "Text12=2.27751", "Text14=5.784874",
                               "Text16=46.279", "Text17=69.4185", "Text20=2.166667",
                               "Text22=5.503334"}}));

TEST(CoffeeCan, ZeroFrequencyFailsBeforeAnyValue) {
  DesignValues design;
  CoffeeCanValues can;
  can.idin = 7;
  RecordingSink sink;
  try {
    loadCoffeeCan(design, can, sink);
    ADD_FAILURE() << "no error";
  } catch (const CalcError &e) {
    EXPECT_EQ(e.kind(), ErrorKind::DivisionByZero);
  }
  EXPECT_EQ(sink.writes, Strings{"Text24=0"});
  EXPECT_EQ(can.idin, 7.0f);
}

TEST(CoffeeCan, BelowCutoffTheRootFails) {
  DesignValues design;
  design.freq = 0.5f;
  CoffeeCanValues can;
  RecordingSink sink;
  try {
    loadCoffeeCan(design, can, sink);
    ADD_FAILURE() << "no error";
  } catch (const CalcError &e) {
    EXPECT_EQ(e.kind(), ErrorKind::InvalidArgument);
  }
  EXPECT_EQ(sink.writes, Strings{"Text24=0.5"});
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
  try {
    loadCoffeeCan(design, can, sink);
    ADD_FAILURE() << "no error";
  } catch (const CalcError &e) {
    EXPECT_EQ(e.kind(), ErrorKind::Overflow);
  }
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
  EXPECT_EQ(c.spin, c.lambda * 0.25f);
  EXPECT_EQ(c.malin, static_cast<float>(double{c.lambda} * 3));
  EXPECT_EQ(c.milcm, static_cast<float>(double{c.milin} * 2.54));
  EXPECT_EQ(c.spcm, static_cast<float>(double{c.spin} * 2.54));
}

} // namespace
} // namespace dishwright
