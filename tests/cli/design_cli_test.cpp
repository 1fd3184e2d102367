// dishwright-calc --design FILE: the figures of a design typed on the command line.
#include "cli/cli.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace dishwright {
namespace {

using Args = std::vector<std::string>;

struct Outcome {
  int status;
  std::string out, err;
};

Outcome run(const Args &args) {
  std::ostringstream out, err;
  const int status = runCli(args, out, err);
  return {status, out.str(), err.str()};
}

// A design file as the desktop program saves one, in a folder of the test's own.
std::string designFile(const std::string &name, const std::string &unit) {
  const auto dir = std::filesystem::temp_directory_path() / "design_cli_test";
  std::filesystem::create_directories(dir);
  const std::string path = (dir / name).string();
  std::ofstream(path) << R"({"format": "dishwright-design", "version": 1, "windows": {},
    "design": {"fd": "0.45", "diameter": " 1.2 ", "unit": ")"
                      << unit << R"(", "frequencyMHz": "10368"}})";
  return path;
}

struct SameFigures {
  const char *name;
  const char *unit;
  Args withDesign; // "FILE" stands for the design file
  Args typed;
};

class DesignOption : public ::testing::TestWithParam<SameFigures> {};

TEST_P(DesignOption, GivesTheFiguresOfTheNumbersTyped) {
  const std::string path = designFile(GetParam().name + std::string(".dish"), GetParam().unit);
  Args args = GetParam().withDesign;
  for (std::string &arg : args)
    if (arg == "FILE")
      arg = path;
    else if (arg == "--design=FILE")
      arg = "--design=" + path;
  const Outcome typed = run(GetParam().typed);
  ASSERT_EQ(typed.status, 0) << typed.err;
  const Outcome fromFile = run(args);
  EXPECT_EQ(fromFile.err, "");
  EXPECT_EQ(fromFile.status, 0);
  EXPECT_EQ(fromFile.out, typed.out);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, DesignOption,
    ::testing::Values(
        SameFigures{"Feet", "feet", {"feet", "--design", "FILE"}, {"feet", "0.45", "1.2", "10368"}},
        SameFigures{
            "Meters", "meters", {"meters", "--design=FILE"}, {"meters", "0.45", "1.2", "10368"}},
        SameFigures{
            "Print", "meters", {"print", "--design", "FILE"}, {"print", "meters", "0.45", "1.2"}},
        SameFigures{"Can", "feet", {"can", "--design", "FILE"}, {"can", "10368"}},
        SameFigures{"FeedWithDish",
                    "meters",
                    {"feed", "--design", "FILE", "cos", "2"},
                    {"feed", "0.45", "cos", "2", "--dish", "meters", "1.2", "10368"}},
        SameFigures{"FeedOwnDish",
                    "meters",
                    {"feed", "--design", "FILE", "cos", "2", "--dish", "feet", "3", "2304"},
                    {"feed", "0.45", "cos", "2", "--dish", "feet", "3", "2304"}}),
    [](const auto &info) { return std::string(info.param.name); });

struct Refused {
  const char *name;
  Args args;
  int status;
  std::string firstLine;
};

class DesignOptionRefusal : public ::testing::TestWithParam<Refused> {};

TEST_P(DesignOptionRefusal, SaysWhy) {
  const std::string feet = designFile("feet.dish", "feet");
  Args args = GetParam().args;
  for (std::string &arg : args)
    if (arg == "FILE")
      arg = feet;
  const Outcome r = run(args);
  EXPECT_EQ(r.status, GetParam().status);
  EXPECT_EQ(r.out, "");
  std::string expected = GetParam().firstLine;
  if (const auto at = expected.find("PATH"); at != std::string::npos)
    expected.replace(at, 4, feet);
  EXPECT_EQ(r.err.substr(0, r.err.find('\n')), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DesignOptionRefusal,
    ::testing::Values(
        Refused{"OtherUnit",
                {"meters", "--design", "FILE"},
                1,
                "error: \"PATH\" holds a diameter in feet: use feet, not meters"},
        Refused{"NoDesignTaken",
                {"sun", "flux", "--design", "FILE"},
                2,
                "dishwright-calc: --design is taken by feet, meters, print, can, template and "
                "feed, not by \"sun\""},
        Refused{"NoFile", {"feet", "--design"}, 2, "dishwright-calc: --design needs FILE"},
        Refused{"Missing",
                {"can", "--design", "/nonexistent/x.dish"},
                1,
                "error: cannot open \"/nonexistent/x.dish\": No such file or directory"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace dishwright
