#include "calc/screen_rules/calc_error.h"
#include "calc/screen_rules/input_step.h"
#include "calc/screen_rules/number_text.h"

#include "tests/case_name.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <string>

namespace dishwright {
namespace {

struct TextCase {
  const char *text;
  float value;
};

class TextToSingleReads : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextToSingleReads, Value) {
  const TextCase &c = GetParam();
  float got = textToSingle(c.text);
  EXPECT_EQ(got, c.value) << '"' << c.text << '"';
  EXPECT_EQ(std::signbit(got), std::signbit(c.value)) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, TextToSingleReads,
    ::testing::Values(TextCase{".0", 0}, TextCase{"0.0", 0}, TextCase{" 4 ", 4},
                      TextCase{"4.5e1", 45}, TextCase{"-2", -2}, TextCase{".5", 0.5f},
                      TextCase{"5.", 5}, TextCase{"+3", 3}, TextCase{"1E+2", 100},
                      TextCase{"25e-1", 2.5f}, TextCase{"2304.0", 2304}, TextCase{"04", 4},
                      TextCase{"0.4", 0.4f}, TextCase{"1.2", 1.2f}, TextCase{"-0", -0.0f},
                      TextCase{"   -.25E0   ", -0.25f},
                      // halfway between two singles: to even
                      TextCase{"16777217", 16777216.0f}, TextCase{"16777219", 16777220.0f},
                      // just above a halfway point: rounding through double would
                      // land on the halfway point and then go to even (1.0)
                      TextCase{"1.0000000596046447753906251", 1.00000011920928955f},
                      TextCase{"3.4028235e38", FLT_MAX}, TextCase{"1e-40", 1e-40f},
                      TextCase{"1e-50", 0}, TextCase{"-1e-50", -0.0f},
                      TextCase{"1e-99999999999999999999", 0},
                      TextCase{"1e0000000000000000000005", 100000},
                      TextCase{"0.000000000000000000000000000000000000000000000000001e51", 1}),
    [](const auto &info) { return test::caseName(info.param.text); });

struct FailCase {
  const char *text;
  ErrorKind kind;
};

class TextToSingleFails : public ::testing::TestWithParam<FailCase> {};

TEST_P(TextToSingleFails, Kind) {
  const FailCase &c = GetParam();
  try {
    float v = textToSingle(c.text);
    ADD_FAILURE() << '"' << c.text << "\" read as " << v;
  } catch (const CalcError &e) {
    EXPECT_EQ(e.kind(), c.kind) << '"' << c.text << '"';
  }
}

constexpr ErrorKind kMismatch = ErrorKind::TypeMismatch;
constexpr ErrorKind kOverflow = ErrorKind::Overflow;

INSTANTIATE_TEST_SUITE_P(
    NotNumbers, TextToSingleFails,
    ::testing::Values(
        FailCase{"", kMismatch}, FailCase{"   ", kMismatch}, FailCase{"4 ft", kMismatch},
        FailCase{"1.2.3", kMismatch}, FailCase{".", kMismatch}, FailCase{"-", kMismatch},
        FailCase{"+-1", kMismatch}, FailCase{"--1", kMismatch}, FailCase{"- 1", kMismatch},
        FailCase{"1 2", kMismatch}, FailCase{"1e", kMismatch}, FailCase{"1e+", kMismatch},
        FailCase{"e5", kMismatch}, FailCase{"1e5.5", kMismatch}, FailCase{"inf", kMismatch},
        FailCase{"nan", kMismatch}, FailCase{"0x10", kMismatch}, FailCase{"1,5", kMismatch},
        FailCase{"x", kMismatch}, FailCase{"1e39", kOverflow}, FailCase{"-1e39", kOverflow},
        FailCase{"3.5e38", kOverflow}, FailCase{"1e99999999999999999999", kOverflow}),
    [](const auto &info) { return test::caseName(info.param.text); });

struct ToTextCase {
  float value;
  const char *text;
};

class SingleToText : public ::testing::TestWithParam<ToTextCase> {};

TEST_P(SingleToText, Text) { EXPECT_EQ(singleToText(GetParam().value), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Texts, SingleToText,
    ::testing::Values(ToTextCase{2304, "2304"}, ToTextCase{4, "4"},
                      ToTextCase{0.51258683f, "0.5125868"}, ToTextCase{26.79085f, "26.79085"},
                      ToTextCase{7.5f, "7.5"}, ToTextCase{0.13f, "0.13"},
                      ToTextCase{-0.005f, "-0.005"}, ToTextCase{1234567, "1234567"},
                      ToTextCase{12345678, "1.234568E+07"}, ToTextCase{0, "0"},
                      ToTextCase{-0.0f, "0"}, ToTextCase{9999999, "9999999"},
                      ToTextCase{10000000, "1E+07"}, ToTextCase{0.0001f, "0.0001"},
                      ToTextCase{0.00001f, "1E-05"}, ToTextCase{FLT_MAX, "3.402823E+38"},
                      ToTextCase{0.1f, "0.1"}, ToTextCase{1.2f, "1.2"},
                      ToTextCase{48.000004f, "48"}, ToTextCase{-123.456f, "-123.456"},
                      ToTextCase{16777216, "1.677722E+07"}, ToTextCase{1e-45f, "1.401298E-45"}),
    [](const auto &info) { // "0" is written for 0 and for -0
      return test::caseName(info.param.text) + (std::signbit(info.param.value) ? "_of_m0" : "");
    });

TEST(IntToText, Digits) {
  EXPECT_EQ(intToText(0), "0");
  EXPECT_EQ(intToText(46340), "46340");
  EXPECT_EQ(intToText(-7), "-7");
  EXPECT_EQ(intToText(INT32_MIN), "-2147483648");
}

struct RoundCase {
  float value;
  float rounded;
};

class ThreePlaces : public ::testing::TestWithParam<RoundCase> {};

TEST_P(ThreePlaces, HalvesToEven) {
  float got = roundThreePlaces(GetParam().value);
  EXPECT_EQ(got, GetParam().rounded) << GetParam().value;
  EXPECT_EQ(std::signbit(got), std::signbit(GetParam().rounded)) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(Depths, ThreePlaces,
                         ::testing::Values(RoundCase{0.01302083f, 0.013f},
                                           RoundCase{0.0625f, 0.062f}, RoundCase{0.5625f, 0.562f},
                                           RoundCase{1.5625f, 1.562f}, RoundCase{0.1875f, 0.188f},
                                           RoundCase{7.5f, 7.5f}, RoundCase{0.0052083f, 0.005f},
                                           RoundCase{-0.0625f, -0.062f}, RoundCase{-0.0004f, -0.0f},
                                           RoundCase{0.0004f, 0.0f}),
                         [](const auto &info) {
                           return test::caseName(std::to_string(info.param.value));
                         });

TEST(WholeNumber, HalvesToEven) {
  EXPECT_EQ(wholeNumber(24.0), 24);
  EXPECT_EQ(wholeNumber(24.6), 25);
  EXPECT_EQ(wholeNumber(25.5), 26);
  EXPECT_EQ(wholeNumber(28.5), 28);
  EXPECT_EQ(wholeNumber(-1.5), -2);
  EXPECT_EQ(wholeNumber(2147483647.4), 2147483647);
  EXPECT_EQ(wholeNumber(-2147483648.5), INT32_MIN);
}

TEST(WholeNumber, OutOfRangeOverflows) {
  for (double v : {2147483647.5, 2147483648.0, -2147483649.0, 1e300}) {
    try {
      wholeNumber(v);
      ADD_FAILURE() << v;
    } catch (const CalcError &e) {
      EXPECT_EQ(e.kind(), ErrorKind::Overflow) << v;
    }
  }
}

TEST(InputStep, StoresEachValueAsItIsRead) {
  DesignValues v;
  storeInputs(v, "0.4", "4", "2304");
  EXPECT_EQ(v.fd, 0.4f);
  EXPECT_EQ(v.dia, 4.0f);
  EXPECT_EQ(v.freq, 2304.0f);
  EXPECT_THROW(storeInputs(v, "0.5", "x", "1296"), CalcError);
  EXPECT_EQ(v.fd, 0.5f); // read before the failing field
  EXPECT_EQ(v.dia, 4.0f);
  EXPECT_EQ(v.freq, 2304.0f);
}

TEST(InputStep, DesignTextsAreZeros) {
  DesignValues v;
  v.fd = v.dia = v.freq = 9;
  storeInputs(v, ".0", "0.0", "0.0");
  EXPECT_EQ(v.fd, 0.0f);
  EXPECT_EQ(v.dia, 0.0f);
  EXPECT_EQ(v.freq, 0.0f);
}

} // namespace
} // namespace dishwright

namespace dishwright {
namespace {

// The integer shortcut must round exactly as std::to_chars does, ties included.
void expectSameDigits(float v) {
  char fast[7], slow[7];
  int fastExp = 0, slowExp = 0;
  if (!detail::sevenDigitsExact(v, fast, fastExp))
    return;
  detail::sevenDigitsByToChars(v, slow, slowExp);
  ASSERT_EQ(std::string(fast, 7) + "e" + std::to_string(fastExp),
            std::string(slow, 7) + "e" + std::to_string(slowExp))
      << std::hexfloat << v;
}

TEST(SevenDigits, IntegerShortcutMatchesToChars) {
  std::uint32_t state = 12345;
  for (int i = 0; i < 2000000; ++i) { // random magnitudes from 1e-5 to 1e8
    state = state * 1664525u + 1013904223u;
    float v = std::ldexp(1.0f + (state >> 8) / 16777216.0f, static_cast<int>(state % 44) - 17);
    expectSameDigits(v);
  }
  // every single around the powers of ten, where the exponent changes
  for (float p = 1e-4f; p < 2e7f; p *= 10) {
    float below = p, above = p;
    for (int i = 0; i < 5000; ++i) {
      expectSameDigits(below = std::nextafter(below, 0.0f));
      expectSameDigits(above = std::nextafter(above, 1e9f));
    }
  }
  // ties: singles with exactly eight significant digits ending in 5
  for (std::uint32_t n = 10000005; n < 16777216; n += 10)
    for (int scale : {0, -1, -2, -3})
      expectSameDigits(std::ldexp(static_cast<float>(n), scale));
  EXPECT_EQ(singleToText(1234567.5f), "1234568");
  EXPECT_EQ(singleToText(1234568.5f), "1234568");
}

} // namespace
} // namespace dishwright
