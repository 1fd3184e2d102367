#include "calc/common/units.h"
#include "cli/cli.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace dishwright {
namespace {

namespace fs = std::filesystem;
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

// A fresh folder per test, removed afterwards.
class TemplateCli : public ::testing::Test {
protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("dishwright-template-" +
            std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string file(const char *name) const { return (dir_ / name).string(); }
  bool empty() const { return fs::is_empty(dir_); }
  fs::path dir_;
};

// "key: value UNIT" lines as key -> value; the unit is checked separately.
std::map<std::string, double> figures(const std::string &out, std::string &unit) {
  std::map<std::string, double> values;
  std::istringstream lines(out);
  for (std::string line; std::getline(lines, line);) {
    const auto colon = line.find(": ");
    std::istringstream rest(line.substr(colon + 2));
    double value = 0;
    std::string lineUnit;
    rest >> value >> lineUnit;
    values[line.substr(0, colon)] = value;
    if (!lineUnit.empty())
      unit = lineUnit;
  }
  return values;
}

// Arc length of z = r^2 / (4 f) seen at slope factor `a` (1 for a rib, cos(pi/N)
// for a gore's centre line), by the midpoint rule on 20000 steps.
double arc(double f, double a, double from, double to) {
  const int n = 20000;
  double sum = 0;
  for (int i = 0; i < n; ++i) {
    const double r = from + (to - from) * (i + 0.5) / n;
    sum += std::hypot(a, r / (2 * f));
  }
  return sum * (to - from) / n;
}

void expectFigure(const std::map<std::string, double> &got, const char *key, double want) {
  ASSERT_TRUE(got.count(key)) << key;
  EXPECT_NEAR(got.at(key), want, 1e-5 * std::fabs(want)) << key; // six digits printed
}

TEST_F(TemplateCli, RibInInchesWithHub) {
  const Outcome r = run({"template", "rib", "feet", "0.45", "6", "--hub", "4", "--paper", "sheet",
                         "-o", file("rib.pdf")});
  ASSERT_EQ(r.status, 0) << r.err;
  std::string unit;
  const auto got = figures(r.out, unit);
  const double f = 0.45 * 72, R = 36;
  EXPECT_EQ(unit, "INCHES");
  expectFigure(got, "focal length", f);
  expectFigure(got, "depth", R * R / (4 * f));
  expectFigure(got, "rib length", arc(f, 1, 4, R));
  EXPECT_EQ(got.at("pages"), 1);
  EXPECT_GT(fs::file_size(file("rib.pdf")), 1000u);
}

TEST_F(TemplateCli, PetalWorkedExampleAndManyPages) {
  const Outcome r = run(
      {"template", "petal", "meters", "0.4", "1.2", "12", "--paper", "a4", "-o", file("p.pdf")});
  ASSERT_EQ(r.status, 0) << r.err;
  std::string unit;
  const auto got = figures(r.out, unit);
  EXPECT_EQ(unit, "MM");
  EXPECT_NEAR(got.at("rib length"), 637.04, 0.005);
  EXPECT_EQ(got.at("gores"), 12);
  expectFigure(got, "gore length", arc(480, std::cos(kPi / 12), 0, 600));
  EXPECT_NEAR(got.at("gore width at rim"), 310.58, 0.005);
  EXPECT_NEAR(got.at("flat gore error"), 12.56, 0.005);
  EXPECT_GT(got.at("pages"), 1);
  EXPECT_NE(r.out.find("\npages: "), std::string::npos);
}

TEST_F(TemplateCli, SvgIsOneSheetInMillimetres) {
  const Outcome r = run(
      {"template", "rib", "meters", "0.4", "1.2", "--paper", "a4", "--svg", "-o", file("rib.svg")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\npages: 1\n"), std::string::npos);
  std::FILE *svg = std::fopen(file("rib.svg").c_str(), "r");
  ASSERT_TRUE(svg);
  char head[600] = {};
  std::fread(head, 1, sizeof head - 1, svg);
  std::fclose(svg);
  EXPECT_NE(std::string(head).find("mm\" height=\""), std::string::npos) << head;
}

struct Refusal {
  const char *name;
  Args args;
  std::string error;
};

class TemplateRefused : public TemplateCli, public ::testing::WithParamInterface<Refusal> {};

TEST_P(TemplateRefused, SaysWhyAndLeavesNoFile) {
  Args args = GetParam().args;
  args.push_back("-o");
  args.push_back(file("out.pdf"));
  const Outcome r = run(args);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "error: " + GetParam().error + "\n");
  EXPECT_TRUE(empty());
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, TemplateRefused,
    ::testing::Values(Refusal{"RibZeroFd",
                              {"template", "rib", "meters", "0", "1.2"},
                              "the f/D must be greater than 0"},
                      Refusal{"PetalNegativeFd",
                              {"template", "petal", "feet", "-0.4", "4", "8"},
                              "the f/D must be greater than 0"},
                      Refusal{"RibZeroDiameter",
                              {"template", "rib", "feet", "0.4", "0"},
                              "the diameter must be greater than 0"},
                      Refusal{"PetalNegativeDiameter",
                              {"template", "petal", "meters", "0.4", "-1", "8"},
                              "the diameter must be greater than 0"},
                      Refusal{"TwoGores",
                              {"template", "petal", "meters", "0.4", "1", "2"},
                              "a petal template needs at least 3 gores"},
                      Refusal{"HubAsWideAsTheDish",
                              {"template", "rib", "meters", "0.4", "1.2", "--hub", "600"},
                              "the hub radius must be smaller than the dish radius"},
                      Refusal{"TooManyPages",
                              {"template", "rib", "meters", "0.4", "1e5", "--paper", "a4"},
                              "the template would need more than 500 pages"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(TemplateCli, UnwritableFileLeavesNothing) {
  // Into a folder that is not there, and onto a folder: both refused, nothing left.
  const std::string missing = file("absent/rib.pdf");
  Outcome r = run({"template", "rib", "meters", "0.4", "1", "-o", missing});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err.rfind("error: cannot write " + missing + ": ", 0), 0u) << r.err;
  fs::create_directory(file("folder"));
  r = run({"template", "rib", "meters", "0.4", "1", "--svg", "-o", file("folder")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
  EXPECT_TRUE(fs::is_empty(file("folder")));
}

} // namespace
} // namespace dishwright
