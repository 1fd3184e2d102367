#include "calc/common/input_error.h"
#include "calc/physics/pattern_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace dishwright {
namespace {

const double kRadPerDeg = M_PI / 180;

// Blanks, tabs, commas and semicolons between numbers; H taken from E when
// absent; linear in dB between the listed angles; nothing past the last.
TEST(PatternReader, ReadsAMeasuredPattern) {
  const FeedPattern pattern = readPattern("# horn, measured\n"
                                          "0 0 0\n"
                                          "\n"
                                          "30\t-3;-4  # first null nearby\n"
                                          "60, -10\r\n");
  EXPECT_DOUBLE_EQ(pattern.extentDeg(), 60);
  EXPECT_NEAR(20 * std::log10(pattern.eAmplitudeAt(45 * kRadPerDeg)), -6.5, 1e-5);
  EXPECT_NEAR(20 * std::log10(pattern.hAmplitudeAt(45 * kRadPerDeg)), -7.0, 1e-5);
  EXPECT_NEAR(pattern.hDb(pattern.sampleCount() - 1), -10, 1e-9);
  EXPECT_EQ(pattern.eAmplitudeAt(61 * kRadPerDeg), 0);
}

struct BadText {
  std::string name;
  std::string text;
  std::string message;
};

class BadTexts : public ::testing::TestWithParam<BadText> {};

TEST_P(BadTexts, NameTheLine) {
  try {
    readPattern(GetParam().text);
    ADD_FAILURE() << "no error";
  } catch (const InputError &e) {
    EXPECT_EQ(e.what(), GetParam().message);
  }
}

const std::string kStart = "0 0\n# two\n"; // so the bad line is line 3

INSTANTIATE_TEST_SUITE_P(
    Texts, BadTexts,
    ::testing::Values(
        BadText{"NotNumbers", kStart + "ten minus three",
                "line 3: \"ten minus three\" is not an angle and one or two levels in dB"},
        BadText{"LongLineCut", kStart + "10 -1 -2 this line goes on and on and on forever",
                "line 3: \"10 -1 -2 this line goes on and on and on...\" is not an angle and one "
                "or two levels in dB"},
        BadText{"DecimalCommas", kStart + "150,5 12,3",
                "line 3: \"150,5 12,3\" is not an angle and one or two levels in dB; a point is "
                "the decimal mark (150.5, not 150,5)"},
        BadText{"AngleOnly", kStart + "45", "line 3: \"45\" needs a level in dB after the angle"},
        BadText{"NotRising", kStart + "0 -1",
                "line 3: the angle 0 does not rise above the 0 before it"},
        BadText{"Beyond180", kStart + "180.5 -30", "line 3: the angle 180.5 is beyond 180 degrees"},
        BadText{"FirstNotTheAxis", "\n5 -1",
                "line 2: the first angle must be 0 (the feed's axis), not 5"},
        BadText{"OneLevel", "0 -1\n", "a pattern needs two lines of angle and level at least"}),
    [](const auto &info) { return info.param.name; });

} // namespace
} // namespace dishwright
