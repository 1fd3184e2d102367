#include "calc/common/decimal_text.h"
#include "calc/common/figure_text.h"
#include "calc/common/input_error.h"
#include "calc/common/length_unit.h"
#include "calc/common/number_grammar.h"
#include "calc/common/shown_text.h"
#include "calc/common/text_lines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace dishwright {
namespace {

struct FigureCase {
  const char *name;
  double value;
  int digits;
  const char *text;
};

class Figures : public ::testing::TestWithParam<FigureCase> {};

TEST_P(Figures, HaveTheirDigitsAndNotation) {
  EXPECT_EQ(figureText(GetParam().value, GetParam().digits), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, Figures,
    ::testing::Values(FigureCase{"TrailingZerosKept", 480, 6, "480.000"},
                      FigureCase{"BelowOne", 0.41667, 6, "0.416670"},
                      FigureCase{"SmallestPlain", 1e-5, 6, "0.0000100000"},
                      FigureCase{"BelowPlainRange", 9.99999e-6, 6, "9.99999e-06"},
                      FigureCase{"RoundsUpIntoExponent", 999999999.9, 6, "1.00000e+09"},
                      FigureCase{"Negative", -2.5, 3, "-2.50"}, FigureCase{"Zero", 0, 5, "0"},
                      FigureCase{"DigitsClampedToOne", 1.5, 0, "2"},
                      FigureCase{"Infinity", std::numeric_limits<double>::infinity(), 5, "inf"},
                      FigureCase{"NotANumber", std::nan(""), 5, "nan"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PlainFigures, DropTrailingZerosOnlyAfterAPoint) {
  EXPECT_EQ(plainFigureText(2000), "2000");
  EXPECT_EQ(plainFigureText(2305.8), "2305.8");
  EXPECT_EQ(plainFigureText(0.5), "0.5");
  EXPECT_EQ(plainFigureText(1e10), "1e+10");
  EXPECT_EQ(plainFigureText(1.5e10), "1.5e+10");
}

TEST(Lengths, ConvertThroughMillimetres) {
  EXPECT_DOUBLE_EQ(convertLength(1, LengthUnit::Inch, LengthUnit::Mm), 25.4);
  EXPECT_DOUBLE_EQ(convertLength(25.4, LengthUnit::Mm, LengthUnit::Inch), 1);
  EXPECT_DOUBLE_EQ(convertLength(2.54, LengthUnit::Cm, LengthUnit::Inch), 1);
  EXPECT_DOUBLE_EQ(convertLength(7, LengthUnit::Cm, LengthUnit::Mm), 70);
  const double odd = 0.1 + 0.2; // not a round number: the same unit gives it back exactly
  EXPECT_EQ(convertLength(odd, LengthUnit::Cm, LengthUnit::Cm), odd);
}

// What a builder types in cm or mm arrives in metres as if typed there; inches
// go to feet by the exact 12.
TEST(Lengths, MeasuredSizeInTheUnitOfAWholeDish) {
  EXPECT_EQ(dishUnitLength(73, LengthUnit::Cm), 0.73);
  EXPECT_EQ(dishUnitLength(1200, LengthUnit::Mm), 1.2);
  EXPECT_EQ(dishUnitLength(30, LengthUnit::Inch), 2.5);
  EXPECT_EQ(dishUnitLength(29, LengthUnit::Inch), 29.0 / 12);
  EXPECT_TRUE(isMetric(LengthUnit::Cm) && isMetric(LengthUnit::Mm));
  EXPECT_FALSE(isMetric(LengthUnit::Inch));
}

// A dish in feet has its small sizes in inches, one in metres in millimetres;
// the command line's two words read back as the unit they name, and no others.
TEST(Lengths, DishSizeUnitsAndTheirSmallUnits) {
  for (const DishSizeUnit unit : {DishSizeUnit::Feet, DishSizeUnit::Metres}) {
    EXPECT_EQ(dishSizeUnitFromText(dishSizeWord(unit)), unit);
    EXPECT_DOUBLE_EQ(smallUnitsPerUnit(unit) * mmPerUnit(smallUnitOf(unit)), mmPerUnit(unit));
    EXPECT_DOUBLE_EQ(metresPerUnit(unit) * 1000, mmPerUnit(unit));
  }
  EXPECT_DOUBLE_EQ(mmPerUnit(DishSizeUnit::Feet), 304.8);
  EXPECT_EQ(smallUnitOf(DishSizeUnit::Feet), LengthUnit::Inch);
  EXPECT_EQ(dishSizeUnit(true), DishSizeUnit::Metres);
  for (const char *text : {"metres", "Feet", "ft", "m", ""})
    EXPECT_FALSE(dishSizeUnitFromText(text)) << text;
}

// The text reads back as the very same double, and is no longer than it must be.
TEST(ExactFigures, ReadBackAsTheSameDouble) {
  EXPECT_EQ(exactFigureText(0.73), "0.73");
  EXPECT_EQ(exactFigureText(1200), "1200");
  EXPECT_EQ(exactFigureText(29.0 / 12), "2.4166666666666665");
  for (const double value : {29.0 / 12, 0.1 + 0.2, 1e-7, 6.02214076e23})
    EXPECT_EQ(decimalValue(exactFigureText(value)), value) << exactFigureText(value);
}

struct StateCase {
  const char *name;
  const char *text;
  NumberState state;
};

class States : public ::testing::TestWithParam<StateCase> {};

TEST_P(States, AsTheUserTypes) { EXPECT_EQ(numberState(GetParam().text), GetParam().state); }

INSTANTIATE_TEST_SUITE_P(
    Texts, States,
    ::testing::Values(StateCase{"Empty", "", NumberState::Prefix},
                      StateCase{"Sign", "-", NumberState::Prefix},
                      StateCase{"OpenExponent", "1e-", NumberState::Prefix},
                      StateCase{"Point", ".", NumberState::Prefix},
                      StateCase{"Blanks", " 4 ", NumberState::Number},
                      StateCase{"Exponent", "4.5e1", NumberState::Number},
                      StateCase{"DecimalComma", "1,5", NumberState::NotANumber},
                      StateCase{"TwoPoints", "1.2.3", NumberState::NotANumber},
                      StateCase{"BlankInside", "1 0", NumberState::NotANumber},
                      // read twice (as typed, then with a digit more): the second
                      // reading starts afresh, its exponent never overflows
                      StateCase{"LongExponentThenLetter", "1e-99999999999999999999x",
                                NumberState::NotANumber}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(DecimalText, InputScreenGrammar) {
  EXPECT_EQ(decimalValue(" 4 "), 4.0);
  EXPECT_EQ(decimalValue("-4.5e1"), -45.0);
  EXPECT_EQ(decimalValue(".5"), 0.5);
  EXPECT_EQ(decimalValue("1e-400"), 0.0);
  EXPECT_EQ(decimalValue("0." + std::string(400, '0') + "1"), 0.0);
  EXPECT_FALSE(decimalValue("1" + std::string(400, '0')));
  EXPECT_FALSE(decimalValue("0.001e312"));
  for (const char *text : {"", "-", ".", "1e", "0x10", "inf", "nan", "1.2.3", "4 5", "1,5"})
    EXPECT_FALSE(decimalValue(text)) << text;
}

TEST(Reading, RefusalsQuoteTheTextAndSayWhy) {
  const auto message = [](const std::string &text) {
    try {
      readDecimal(text, "depth");
    } catch (const InputError &e) {
      return std::string(e.what());
    }
    return std::string("accepted");
  };
  EXPECT_EQ(message("1e309"), "the depth \"1e309\" is too large for a number");
  EXPECT_EQ(message("abc"), "the depth \"abc\" is not a number");
  EXPECT_EQ(message(std::string(50, '7') + "x"),
            "the depth \"" + std::string(40, '7') + "...\" (51 characters) is not a number");
  // A comma is refused, never dropped: the words name the number a point makes.
  EXPECT_EQ(message(" 1200,5 "), "the depth \" 1200,5 \" is not a number; a point is the "
                                 "decimal mark (1200.5, not 1200,5)");
  EXPECT_EQ(message("1,200.5"), "the depth \"1,200.5\" is not a number; a point is the decimal "
                                "mark, and a number has no commas");
}

struct EchoCase {
  const char *name;
  std::string input, shown;
};

class Echoes : public ::testing::TestWithParam<EchoCase> {};

// What a terminal would act on or cannot show is written as a C escape; the rest,
// UTF-8 included, as typed.
TEST_P(Echoes, EscapeControlsAndBytesThatAreNotText) {
  EXPECT_EQ(escapedText(GetParam().input), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, Echoes,
    ::testing::Values(EchoCase{"PlainKept", "rib 4.5\"", "rib 4.5\""},
                      EchoCase{"Utf8Kept", "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x93\xA1",
                               "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x93\xA1"},
                      EchoCase{"TitleAndClear", "\x1B]0;owned\x07\x1B[2J",
                               "\\033]0;owned\\007\\033[2J"},
                      EchoCase{"TabLineBreakDelete", "a\tb\r\nc\x7F", "a\\tb\\r\\nc\\177"},
                      EchoCase{"Nul", std::string("a\0b", 3), "a\\000b"},
                      EchoCase{"InvalidBytes", "two\xFF.pdf \xFE", "two\\xff.pdf \\xfe"},
                      EchoCase{"C1ControlSequenceIntroducer",
                               "\xC2\x9B"
                               "2J",
                               "\\xc2\\x9b"
                               "2J"},
                      EchoCase{"OverlongSlash", "\xC0\xAF", "\\xc0\\xaf"},
                      EchoCase{"Surrogate", "\xED\xA0\x80", "\\xed\\xa0\\x80"},
                      EchoCase{"BeyondUnicode", "\xF4\x90\x80\x80", "\\xf4\\x90\\x80\\x80"},
                      EchoCase{"CutSequence", "\xE2\x82", "\\xe2\\x82"},
                      EchoCase{"BackslashDoubled", "C:\\dish\\xff", "C:\\\\dish\\\\xff"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(QuotedEchoes, EscapeTheirQuotesAndCutByCharacters) {
  EXPECT_EQ(quotedText("say \"hi\"\x1B"), "\"say \\\"hi\\\"\\033\"");
  // 3 characters: two of 2 bytes each, one byte that is not UTF-8
  EXPECT_EQ(quotedText("\xC3\xA9\xC3\xA9\xFFtail", 3), "\"\xC3\xA9\xC3\xA9\\xff...\"");
  // a bad line of a listing is quoted the same way
  EXPECT_EQ(shownLine("\x1B[2J 1,5\t"), "\"\\033[2J 1,5\"");
}

} // namespace
} // namespace dishwright
