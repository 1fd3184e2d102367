#include "calc/common/input_error.h"
#include "calc/physics/feed_remarks.h"
#include "calc/physics/pattern_reader.h"

#include "tests/calc/thrown.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

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

struct Remarked {
  const char *name;
  std::string text;
  bool readAsDbDown;
  std::vector<std::string> remarks; // "note: ..." or "warning: ..."
};

class RemarkedTexts : public ::testing::TestWithParam<Remarked> {};

const std::string kStrongEnd =
    "warning: the pattern stops at 90 degrees, still at -13 dB: what the feed sends past it is "
    "unknown and counted as nothing, so the spillover is likely worse than shown; list the "
    "pattern further, back lobe included";

// Levels written as "dB down" (all 0 or more, rising from 0 on the axis) are read
// as the same pattern with negative levels; a pattern that stops by 90 degrees
// above -20 dB is warned of; no other pattern has a word.
TEST_P(RemarkedTexts, SayHowTheyWereRead) {
  const Remarked &r = GetParam();
  const FeedPattern pattern = readPattern(r.text);
  EXPECT_EQ(pattern.source().readAsDbDown, r.readAsDbDown);
  std::vector<std::string> remarks;
  for (const FeedRemark &remark : patternRemarks(pattern))
    remarks.push_back((remark.kind == FeedRemark::Kind::Note ? "note: " : "warning: ") +
                      remark.text);
  EXPECT_EQ(remarks, r.remarks);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RemarkedTexts,
    ::testing::Values(
        Remarked{"DbDown",
                 "0 0\n30 3 4\n60 10 12\n180 30",
                 true,
                 {"note: the levels rise away from the axis, all 0 dB or more: they are read as "
                  "dB down (10 as -10 dB)"}},
        Remarked{"PeakOffTheAxis", "0 0\n20 1\n60 -10\n180 -30", false, {}},
        Remarked{"AxisNotAtZero", "0 3\n60 10\n180 30", false, {}},
        Remarked{"Flat", "0 0\n180 0", false, {}},
        Remarked{"StrongAt90", "0 0\n45 -4\n90 -13 -30", false, {kStrongEnd}},
        Remarked{"StrongAt90DbDown",
                 "0 0\n90 13",
                 true,
                 {"note: the levels rise away from the axis, all 0 dB or more: they are read as "
                  "dB down (10 as -10 dB)",
                  kStrongEnd}},
        Remarked{"JustAboveMinus20",
                 "0 0\n60 -19.9",
                 false,
                 {"warning: the pattern stops at 60 degrees, still at -19.9 dB: what the feed "
                  "sends past it is unknown and counted as nothing, so the spillover is likely "
                  "worse than shown; list the pattern further, back lobe included"}},
        Remarked{"Minus20At90", "0 0\n90 -20 -25", false, {}},
        Remarked{"StrongPast90", "0 0\n90.5 -13", false, {}}),
    [](const auto &info) { return std::string(info.param.name); });

// Read as dB down, the levels are those of the same list written with minus signs.
TEST(PatternReader, DbDownIsTheNegativeLevels) {
  const FeedPattern down = readPattern("0 0\n30 3 4\n60 10 12\n180 30");
  const FeedPattern negative = readPattern("0 0\n30 -3 -4\n60 -10 -12\n180 -30");
  for (const std::size_t i :
       {std::size_t{0}, std::size_t{700}, std::size_t{1500}, std::size_t{4096}}) {
    EXPECT_DOUBLE_EQ(down.eAmplitude(i), negative.eAmplitude(i)) << i;
    EXPECT_DOUBLE_EQ(down.hAmplitude(i), negative.hAmplitude(i)) << i;
  }
}

struct BadText {
  std::string name;
  std::string text;
  std::string message;
};

class BadTexts : public ::testing::TestWithParam<BadText> {};

TEST_P(BadTexts, NameTheLine) {
  EXPECT_EQ(inputErrorOf([&] { readPattern(GetParam().text); }), GetParam().message);
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
        BadText{"OneLevel", "0 -1\n", "a pattern needs two lines of angle and level at least"},
        BadText{"PhasesStop", "0 0 0 0 0\n# two\n30 -3 -3",
                "line 3: \"30 -3 -3\" lists no phases, the lines before it do: list them on "
                "every line or on none"},
        BadText{"PhasesStart", kStart + "30 -3 -3 10",
                "line 3: \"30 -3 -3 10\" lists phases, the lines before it none: list them on "
                "every line or on none"},
        BadText{"SixFields", kStart + "30 -3 -3 10 10 10",
                "line 3: \"30 -3 -3 10 10 10\" is not an angle and one or two levels in dB"}),
    [](const auto &info) { return info.param.name; });

// 100000 lines (18001 in a pattern every 0.01 degree) and 16 MB (about 170
// bytes a line at the most lines) read; a line or a byte more ends the reading.
struct SizeCase {
  const char *name;
  std::string text;
  std::string error; // "" when the text reads
};

class PatternSizes : public ::testing::TestWithParam<SizeCase> {};

TEST_P(PatternSizes, EndAtTheMostAPatternHas) {
  std::string error;
  try {
    readPattern(GetParam().text);
  } catch (const InputError &e) {
    error = e.what();
  }
  EXPECT_EQ(error, GetParam().error);
}

const std::string kTwoLevels = "0 0\n90 -20\n"; // 11 bytes, lines 1 and 2
const std::string kTooManyLines = "the pattern has more than 100000 lines; a measured pattern has "
                                  "far fewer (one every 0.01 degree from 0 to 180 has 18001)";
const std::string kTooLarge = "the pattern is larger than 16 MB; a measured pattern is far "
                              "smaller (one every 0.01 degree from 0 to 180 is about 0.4 MB)";
const std::size_t kMiB = 1 << 20;

INSTANTIATE_TEST_SUITE_P(
    Texts, PatternSizes,
    ::testing::Values(
        SizeCase{"MostLines", kTwoLevels + std::string(100000 - 2, '\n'), ""},
        SizeCase{"OneLineMore", kTwoLevels + std::string(100000 - 1, '\n'), kTooManyLines},
        // "#" and its filling counted with a line break: 16 MB in all
        SizeCase{"MostBytes", kTwoLevels + "#" + std::string(16 * kMiB - 13, 'x'), ""},
        SizeCase{"OneByteMore", kTwoLevels + "#" + std::string(16 * kMiB - 12, 'x'), kTooLarge}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace dishwright

namespace dishwright {
namespace {

// Phases in a 4th and 5th column (H = E when the 5th is left out): referred to
// the axis, unwrapped across +-180 degrees, linear between the listed angles.
struct PhaseCase {
  const char *name;
  std::string text;
  double angleDeg;             // where the phases are read
  double ePhaseDeg, hPhaseDeg; // expected there, against the axis
};

class ListedPhases : public ::testing::TestWithParam<PhaseCase> {};

TEST_P(ListedPhases, AreReadAgainstTheAxis) {
  const FeedPattern pattern = readPattern(GetParam().text);
  ASSERT_TRUE(pattern.hasPhases());
  const double t = GetParam().angleDeg * kRadPerDeg;
  EXPECT_NEAR(pattern.ePhaseRadAt(t) / kRadPerDeg, GetParam().ePhaseDeg, 1e-9);
  EXPECT_NEAR(pattern.hPhaseRadAt(t) / kRadPerDeg, GetParam().hPhaseDeg, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ListedPhases,
    ::testing::Values(PhaseCase{"FiveColumns", "0 0 0 10 20\n40 -3 -4 30 60\n", 20, 10, 20},
                      PhaseCase{"HTakesE", "0 0 0 5\n40 -3 -4 25\n", 40, 20, 20},
                      // 170 to -170 is 20 degrees on, not 340 back
                      PhaseCase{"AcrossTheWrap", "0 0 0 170 170\n40 -3 -3 -170 -170\n", 40, 20,
                                20}),
    [](const auto &info) { return info.param.name; });

TEST(PatternReader, LevelsAloneHaveNoPhases) {
  EXPECT_FALSE(readPattern("0 0 0\n40 -3 -4\n").hasPhases());
}

} // namespace
} // namespace dishwright
