#include "cli/cli.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace dishwright {
namespace {

struct Outcome {
  int status;
  std::string out, err;
};

Outcome run(std::vector<std::string> args) {
  std::ostringstream out, err;
  int status = runCli(args, out, err);
  return {status, out.str(), err.str()};
}

using Args = std::vector<std::string>;

struct UsageCase {
  const char *name;
  Args args;
  std::string reason; // the first line on stderr
  std::string usage;  // how the usage that follows begins
};

class WrongUsage : public ::testing::TestWithParam<UsageCase> {};

TEST_P(WrongUsage, SaysWhatWasWrongThenTheUsage) {
  Outcome r = run(GetParam().args);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err.substr(0, r.err.find('\n')), "dishwright-calc: " + GetParam().reason);
  EXPECT_EQ(r.err.find("\n\nusage: dishwright-calc " + GetParam().usage), r.err.find('\n'))
      << r.err;
}

const std::string kPaperChoice = "--paper takes a4, letter or sheet, not \"a3\"";

INSTANTIATE_TEST_SUITE_P(
    Cases, WrongUsage,
    ::testing::Values(
        UsageCase{"NoCommand", {}, "no command given", "feet"},
        UsageCase{"NoArguments", {"feet"}, "feet takes FD DIA FREQ: FD is missing", "feet"},
        UsageCase{
            "OneMissing", {"feet", "0.4", "4"}, "feet takes FD DIA FREQ: FREQ is missing", "feet"},
        UsageCase{"OneTooMany",
                  {"meters", "0.4", "4", "2304", "5"},
                  "meters takes FD DIA FREQ: \"5\" is one too many",
                  "meters"},
        UsageCase{"UnknownUnit",
                  {"print", "inches", "0.4", "4"},
                  "print takes feet or meters, not \"inches\"",
                  "print"},
        UsageCase{"NoTemplateKind", {"template"}, "template needs rib or petal", "template rib"},
        UsageCase{"UnknownTemplateKind",
                  {"template", "disc", "feet", "0.4", "4", "-o", "x"},
                  "template takes rib or petal, not \"disc\"",
                  "template rib"},
        UsageCase{"NoOutputFile",
                  {"template", "rib", "feet", "0.4", "4"},
                  "template rib needs -o FILE",
                  "template rib"},
        UsageCase{"OptionIsNoFileName",
                  {"template", "rib", "feet", "0.4", "4", "-o", "--svg"},
                  "-o needs FILE, not \"--svg\"",
                  "template rib"},
        UsageCase{"UnknownPaper",
                  {"template", "rib", "feet", "0.4", "4", "--paper", "a3", "-o", "x"},
                  kPaperChoice,
                  "template rib"},
        UsageCase{"NoMeasureKind",
                  {"measure", "mm"},
                  "measure takes prime, offset or fit, not \"mm\"",
                  "measure prime"},
        UsageCase{"NoUnit",
                  {"can-check"},
                  "can-check takes in|cm|mm DIAMETER FREQ: in, cm or mm is missing",
                  "can-check"},
        UsageCase{"NoSunKind", {"sun"}, "sun needs predict, measure or flux", "sun predict"},
        UsageCase{"DishNeedsItsUnit",
                  {"sun", "measure", "14", "1296", "106", "--dish", "3"},
                  "--dish takes feet or meters, not \"3\"",
                  "sun predict"}),
    [](const auto &info) { return info.param.name; });

struct UnknownCase {
  const char *name;
  Args args;
  std::string err; // the whole of standard error: one line and the hint
};

class UnknownWords : public ::testing::TestWithParam<UnknownCase> {};

// A command or an option that does not exist is one line and a hint, not the usage.
TEST_P(UnknownWords, SayWhichInOneLineAndWhereTheHelpIs) {
  Outcome r = run(GetParam().args);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, GetParam().err);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnknownWords,
    ::testing::Values(
        UnknownCase{"Command",
                    {"inches", "0.4", "4", "2304"},
                    "error: unknown command \"inches\"\ntry 'dishwright-calc --help'\n"},
        UnknownCase{"HelpIsNoCommand",
                    {"--help", "feet"},
                    "error: unknown command \"--help\"\ntry 'dishwright-calc --help'\n"},
        UnknownCase{"CommandsAreLowerCase",
                    {"FEET", "0.4", "4", "2304"},
                    "error: unknown command \"FEET\"\ntry 'dishwright-calc --help'\n"},
        UnknownCase{"HubIsForRibs",
                    {"template", "petal", "feet", "0.4", "4", "8", "--hub", "1", "-o", "x"},
                    "error: template petal has no option \"--hub\"\n"
                    "try 'dishwright-calc template --help'\n"},
        UnknownCase{"JoinedValueOfAnUnknownOption",
                    {"feet", "0.4", "4", "2304", "--hub=2"},
                    "error: feet has no option \"--hub\"\ntry 'dishwright-calc feet --help'\n"},
        UnknownCase{"ShortOption",
                    {"can", "-x", "2400"},
                    "error: can has no option \"-x\"\ntry 'dishwright-calc can --help'\n"}),
    [](const auto &info) { return info.param.name; });

struct JoinedCase {
  const char *name;
  Args joined, apart; // the same command written both ways
};

class JoinedValues : public ::testing::TestWithParam<JoinedCase> {};

// --name=VALUE and -oVALUE are --name VALUE and -o VALUE; "--" ends the options.
TEST_P(JoinedValues, ReadAsTheSeparateForm) {
  const Outcome joined = run(GetParam().joined), apart = run(GetParam().apart);
  EXPECT_EQ(joined.status, apart.status) << joined.err;
  EXPECT_EQ(joined.out, apart.out);
  EXPECT_EQ(joined.err, apart.err);
  EXPECT_NE(apart.out + apart.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JoinedValues,
    ::testing::Values(
        JoinedCase{"Format", {"can", "2400", "--format=csv"}, {"can", "2400", "--format", "csv"}},
        JoinedCase{"FirstOfThreeValues",
                   {"feed", "0.4", "cos", "2", "--dish=feet", "4", "2304"},
                   {"feed", "0.4", "cos", "2", "--dish", "feet", "4", "2304"}},
        JoinedCase{"NegativeValue",
                   {"sun", "predict", "30", "100", "1296", "80", "--beamwidth=-1"},
                   {"sun", "predict", "30", "100", "1296", "80", "--beamwidth", "-1"}},
        JoinedCase{"JoinedChoiceChecked",
                   {"can", "2400", "--format=xml"},
                   {"can", "2400", "--format", "xml"}},
        JoinedCase{"DoubleDashBeforeNegativeNumbers",
                   {"measure", "fit", "mm", "--", "-10368"},
                   {"measure", "fit", "mm", "-10368"}},
        JoinedCase{"OptionsBeforeDoubleDash",
                   {"sun", "predict", "--beamwidth=2", "--", "30", "100", "1296", "80"},
                   {"sun", "predict", "30", "100", "1296", "80", "--beamwidth", "2"}}),
    [](const auto &info) { return info.param.name; });

class HelpAndVersion : public ::testing::TestWithParam<std::pair<std::string, std::string>> {};

TEST_P(HelpAndVersion, GoToStdoutWithStatus0) {
  Outcome r = run({GetParam().first});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.rfind(GetParam().second, 0), 0u) << r.out;
  EXPECT_EQ(r.err, "");
}

INSTANTIATE_TEST_SUITE_P(Cases, HelpAndVersion,
                         ::testing::Values(std::pair{"--help", "usage: dishwright-calc feet"},
                                           std::pair{"-h", "usage: dishwright-calc feet"},
                                           std::pair{"--version", "dishwright-calc 0."},
                                           std::pair{"-V", "dishwright-calc 0."},
                                           std::pair{"-v", "dishwright-calc 0."}),
                         [](const auto &info) { // "--help" is "help", "-V" is "V"
                           std::string name = info.param.first;
                           return name.substr(name.find_first_not_of('-'));
                         });

struct FailCase {
  const char *name;
  Args args;
  std::string err;
};

class Failures : public ::testing::TestWithParam<FailCase> {};

// All or nothing: a command that fails part way prints none of its figures.
TEST_P(Failures, PrintNothingAndNameTheError) {
  Outcome r = run(GetParam().args);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, GetParam().err);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Failures,
    ::testing::Values(
        FailCase{"OverflowingFrequency",
                 {"meters", "0.4", "1", "1e39"},
                 "error: overflow: the frequency \"1e39\" is too large\n"},
        FailCase{
            "ZeroFrequency",
            {"feet", ".0", "0.0", "0.0"},
            "error: division by zero while working out the mesh size: the frequency is 0 MHz\n"},
        FailCase{"NegativeDiameter",
                 {"meters", "0.4", "-1", "2304"},
                 "error: invalid argument while working out the gain: the diameter is -1 metres "
                 "and the frequency is 2304 MHz\n"},
        FailCase{"ZeroFd",
                 {"feet", "0", "4", "2304"},
                 "error: division by zero while working out the depth at X = 1 inches: the f/D "
                 "ratio is 0 and the diameter is 4 feet\n"},
        FailCase{"PrintZeroFd",
                 {"print", "meters", "0", "1"},
                 "error: division by zero while working out the depth at X = 1 cm: the f/D "
                 "ratio is 0 and the diameter is 1 metre\n"},
        FailCase{"PrintTooManyRows",
                 {"print", "feet", "0.4", "3e6"},
                 "error: overflow while working out the number of profile rows: the diameter is "
                 "3000000 feet\n"},
        FailCase{"OptionAfterDoubleDash", // an operand, so read as the f/D
                 {"print", "feet", "--", "--help", "4"},
                 "error: type mismatch: the f/D ratio \"--help\" is not a number\n"},
        FailCase{"CanZero",
                 {"can", "0"},
                 "error: division by zero while working out the can's inside diameter: the "
                 "frequency is 0 MHz\n"},
        FailCase{"CanBelowCutoffArithmetic",
                 {"can", "0.5"},
                 "error: invalid argument while working out the wavelength in the can: the "
                 "frequency is 0.5 MHz\n"},
        FailCase{
            "CanEmpty", {"can", ""}, "error: type mismatch: the frequency \"\" is not a number\n"},
        FailCase{"LongTextIsCut",
                 {"feet", "0.4", std::string(40000, '0') + "x", "2304"},
                 "error: type mismatch: the diameter \"" + std::string(40, '0') +
                     "...\" (40001 characters) is not a number\n"}),
    [](const auto &info) { return info.param.name; });

struct EchoCase {
  const char *name;
  Args args;
  std::string in;        // standard input
  std::string firstLine; // of standard error
};

class Echoes : public ::testing::TestWithParam<EchoCase> {};

// An argument, a file's name or a line quoted back never reaches the terminal raw:
// escape codes (clear the screen, set the title) and bytes that are not UTF-8
// are shown escaped.
TEST_P(Echoes, ShowTheInputEscaped) {
  std::istringstream in(GetParam().in);
  std::ostringstream out, err;
  EXPECT_NE(runCli(GetParam().args, in, out, err), 0);
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(err.str().substr(0, err.str().find('\n')), GetParam().firstLine);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Echoes,
    ::testing::Values(
        EchoCase{"Command", {"\x1b[2J"}, "", "error: unknown command \"\\033[2J\""},
        EchoCase{"Choice",
                 {"print", "\xff\"", "0.4", "4"},
                 "",
                 "dishwright-calc: print takes feet or meters, not \"\\xff\\\"\""},
        EchoCase{"OneTooMany",
                 {"can", "2400", "\x1b]0;t\x07"},
                 "",
                 "dishwright-calc: can takes FREQ: \"\\033]0;t\\007\" is one too many"},
        EchoCase{"ScreenNumber",
                 {"feet", "0.4", "4\x1b[31m", "2304"},
                 "",
                 "error: type mismatch: the diameter \"4\\033[31m\" is not a number"},
        EchoCase{"ToolNumber",
                 {"measure", "prime", "mm",
                  "\xc2\x9b"
                  "2J",
                  "10"},
                 "",
                 "error: the diameter \"\\xc2\\x9b"
                 "2J\" is not a number"},
        EchoCase{"FileName",
                 {"feed", "0.4", "pattern", "/absent/\x1b[2J\xff"},
                 "",
                 "error: cannot read /absent/\\033[2J\\xff: no such file or directory"},
        EchoCase{"LineOfAFile",
                 {"feed", "0.4", "pattern", "-"},
                 "0 0\n\x1b]0;owned\x07\x1b[2J\n",
                 "error: line 2: \"\\033]0;owned\\007\\033[2J\" is not an angle and one or two "
                 "levels in dB"}),
    [](const auto &info) { return info.param.name; });

TEST(Cli, ArgumentsReadAsFieldTexts) {
  Outcome r = run({"feet", " .4 ", "4.0e0", "+2304"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.substr(0, r.out.find("mesh")), "diameter: 4 FEET\nfrequency: 2304 MHZ\n");
}

TEST(Cli, NegativeNumbersAreNotOptions) {
  Outcome r = run({"feet", "-0.4", "4", "2304"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("\n1....-0.013\n"), std::string::npos);
}

TEST(Cli, LargestCalculationListing) {
  // 7723 feet: the limit 46338 stays below the first square beyond 32 bits.
  Outcome r = run({"feet", "0.4", "7723", "2304"});
  EXPECT_EQ(r.status, 0);
  std::size_t rows = 0;
  for (std::size_t at = r.out.find("\n", r.out.find("profile:")); at + 1 < r.out.size();
       at = r.out.find('\n', at + 1))
    ++rows;
  EXPECT_EQ(rows, 46338u);
  EXPECT_NE(r.out.find("\n46338...."), std::string::npos);
}

} // namespace
} // namespace dishwright
