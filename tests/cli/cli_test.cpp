#include "cli.h"

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

class WrongUsage : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(WrongUsage, PrintsUsageOnStderrWithStatus2) {
  Outcome r = run(GetParam());
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("usage: dishwright-calc"), std::string::npos);
}

using Args = std::vector<std::string>;

INSTANTIATE_TEST_SUITE_P(Cases, WrongUsage,
                         ::testing::Values(Args{}, Args{"feet"}, Args{"feet", "0.4", "4"},
                                           Args{"meters", "0.4", "4", "2304", "5"},
                                           Args{"inches", "0.4", "4", "2304"},
                                           Args{"print", "inches", "0.4", "4"},
                                           Args{"print", "feet", "0.4"}, Args{"can"},
                                           Args{"can", "1", "2"}, Args{"--help", "feet"},
                                           Args{"-h"}, Args{"FEET", "0.4", "4", "2304"}),
                         [](const auto &info) { return "case" + std::to_string(info.index); });

TEST(Cli, HelpGoesToStdout) {
  Outcome r = run({"--help"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("dishwright-calc can FREQ"), std::string::npos);
  EXPECT_EQ(r.err, "");
}

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
        FailCase{{"feet", "0.4", "x", "2304"}, "", "error: type mismatch\n"},
        FailCase{{"meters", "0.4", "1", "1e39"}, "", "error: overflow\n"},
        FailCase{{"feet", ".0", "0.0", "0.0"},
                 "diameter: 0 FEET\nfrequency: 0 MHZ\n",
                 "error: division by zero\n"},
        FailCase{{"meters", "0.4", "-1", "2304"},
                 "diameter: -1 METERS\nfrequency: 2304 MHZ\nmesh size: 13.02083 MM\n",
                 "error: invalid argument\n"},
        FailCase{{"feet", "0", "4", "2304"},
                 "diameter: 4 FEET\nfrequency: 2304 MHZ\nmesh size: 0.5125868 INCHES\n"
                 "gain: 26.79085 DB\nbeamwidth: 7.595486 DEGREES\nprofile: IN INCHES\n",
                 "error: division by zero\n"},
        FailCase{{"print", "meters", "0", "1"}, "profile: IN CMS\n", "error: division by zero\n"},
        FailCase{{"print", "feet", "0.4", "3e6"}, "profile: IN INCHES\n", "error: overflow\n"},
        FailCase{{"print", "feet", "--help", "4"}, "", "error: type mismatch\n"},
        FailCase{{"can", "0"}, "frequency: 0 MHZ\n", "error: division by zero\n"},
        FailCase{{"can", "0.5"}, "frequency: 0.5 MHZ\n", "error: invalid argument\n"},
        FailCase{{"can", ""}, "", "error: type mismatch\n"}),
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
