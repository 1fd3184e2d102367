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
  Args args;
  std::string reason; // the first line on stderr
};

class WrongUsage : public ::testing::TestWithParam<UsageCase> {};

TEST_P(WrongUsage, SaysWhatWasWrongThenTheUsage) {
  Outcome r = run(GetParam().args);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err.substr(0, r.err.find('\n')), "dishwright-calc: " + GetParam().reason);
  EXPECT_NE(r.err.find("usage: dishwright-calc"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WrongUsage,
    ::testing::Values(
        UsageCase{{}, "no command given"},
        UsageCase{{"feet"}, "feet takes 3 arguments (FD DIA FREQ), 0 given: FD is missing"},
        UsageCase{{"feet", "0.4", "4"},
                  "feet takes 3 arguments (FD DIA FREQ), 2 given: FREQ is missing"},
        UsageCase{{"meters", "0.4", "4", "2304", "5"},
                  "meters takes 3 arguments (FD DIA FREQ), 4 given: \"5\" is one too many"},
        UsageCase{{"inches", "0.4", "4", "2304"}, "unknown command \"inches\""},
        UsageCase{{"print", "inches", "0.4", "4"}, "unknown unit \"inches\" (feet or meters)"},
        UsageCase{{"print", "feet", "0.4"},
                  "print feet takes 2 arguments (FD DIA), 1 given: DIA is missing"},
        UsageCase{{"can", "1", "2"}, "can takes 1 argument (FREQ), 2 given: \"2\" is one too many"},
        UsageCase{{"--help", "feet"}, "unknown command \"--help\""},
        UsageCase{{"FEET", "0.4", "4", "2304"}, "unknown command \"FEET\""}),
    [](const auto &info) { return "case" + std::to_string(info.index); });

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
                                           std::pair{"-V", "dishwright-calc 0."}));

struct FailCase {
  Args args;
  std::string out;
  std::string err;
};

class Failures : public ::testing::TestWithParam<FailCase> {};

TEST_P(Failures, OutputStopsAndErrorIsNamed) {
  Outcome r = run(GetParam().args);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, GetParam().out);
  EXPECT_EQ(r.err, GetParam().err);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Failures,
    ::testing::Values(
        FailCase{{"feet", "0.4", "x", "2304"},
                 "",
                 "error: type mismatch: the diameter \"x\" is not a number\n"},
        FailCase{{"meters", "0.4", "1", "1e39"},
                 "",
                 "error: overflow: the frequency \"1e39\" is too large\n"},
        FailCase{
            {"feet", ".0", "0.0", "0.0"},
            "diameter: 0 FEET\nfrequency: 0 MHZ\n",
            "error: division by zero while working out the mesh size: the frequency is 0 MHz\n"},
        FailCase{{"meters", "0.4", "-1", "2304"},
                 "diameter: -1 METERS\nfrequency: 2304 MHZ\nmesh size: 13.02083 MM\n",
                 "error: invalid argument while working out the gain: the diameter is -1 metres "
                 "and the frequency is 2304 MHz\n"},
        FailCase{{"feet", "0", "4", "2304"},
                 "diameter: 4 FEET\nfrequency: 2304 MHZ\nmesh size: 0.5125868 INCHES\n"
                 "gain: 26.79085 DB\nbeamwidth: 7.595486 DEGREES\nprofile: IN INCHES\n",
                 "error: division by zero while working out the depth at X = 1 inches: the f/D "
                 "ratio is 0 and the diameter is 4 feet\n"},
        FailCase{{"print", "meters", "0", "1"},
                 "profile: IN CMS\n",
                 "error: division by zero while working out the depth at X = 1 cm: the f/D "
                 "ratio is 0 and the diameter is 1 metre\n"},
        FailCase{{"print", "feet", "0.4", "3e6"},
                 "profile: IN INCHES\n",
                 "error: overflow while working out the number of profile rows: the diameter is "
                 "3000000 feet\n"},
        FailCase{{"print", "feet", "--help", "4"},
                 "",
                 "error: type mismatch: the f/D ratio \"--help\" is not a number\n"},
        FailCase{{"can", "0"},
                 "frequency: 0 MHZ\n",
                 "error: division by zero while working out the can's inside diameter: the "
                 "frequency is 0 MHz\n"},
        FailCase{{"can", "0.5"},
                 "frequency: 0.5 MHZ\n",
                 "error: invalid argument while working out the wavelength in the can: the "
                 "frequency is 0.5 MHz\n"},
        FailCase{{"can", ""}, "", "error: type mismatch: the frequency \"\" is not a number\n"},
        FailCase{{"feet", "0.4", std::string(40000, '0') + "x", "2304"},
                 "",
                 "error: type mismatch: the diameter \"" + std::string(40, '0') +
                     "...\" (40001 characters) is not a number\n"}),
    [](const auto &info) { return "case" + std::to_string(info.index); });

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
