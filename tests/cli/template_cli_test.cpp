#include "calc/common/units.h"
#include "cli/cli.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
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

std::string contents(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST_F(TemplateCli, SvgIsOneSheetInMillimetresWithItsCutApart) {
  const Outcome r =
      run({"template", "rib", "meters", "0.4", "1.2", "--svg", "-o", file("rib.svg")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\npages: 1\n"), std::string::npos);
  const std::string svg = contents(file("rib.svg"));
  EXPECT_TRUE(std::regex_search(svg, std::regex("<svg[^>]* width=\"[0-9.]+mm\"")));
  EXPECT_TRUE(std::regex_search(svg, std::regex("<svg[^>]* height=\"[0-9.]+mm\"")));
  EXPECT_TRUE(std::regex_search(svg, std::regex("<g[^>]* id=\"cut\"[^>]*>\\s*<path d=\"M")));
}

TEST_F(TemplateCli, DxfIsOneSheetNamingItsUnitTwice) {
  for (const auto &[unit, insunits, measurement] :
       {std::tuple{"feet", "     1", "     0"}, std::tuple{"meters", "     4", "     1"}}) {
    const Outcome r = run({"template", "petal", unit, "0.4", "4", "8", "-o", file("petal.dxf")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\npages: 1\n"), std::string::npos);
    const std::string dxf = contents(file("petal.dxf"));
    EXPECT_EQ(dxf.rfind("  0\nSECTION\n", 0), 0u);
    // $INSUNITS 1 inches, 4 mm; $MEASUREMENT, which R12 readers go by, 0 English, 1 metric.
    EXPECT_NE(dxf.find(std::string("$INSUNITS\n 70\n") + insunits + "\n"), std::string::npos);
    EXPECT_NE(dxf.find(std::string("$MEASUREMENT\n 70\n") + measurement + "\n"), std::string::npos);
  }
}

// What a file holds follows its name, whatever the flags; a flag may choose for
// a name without an extension.
TEST_F(TemplateCli, FormatFollowsTheName) {
  const std::vector<std::pair<Args, std::string>> cases = {
      {{"-o", file("a.svg")}, "<?xml"},
      {{"-o", file("b.DXF")}, "  0\nSECTION"},
      {{"--dxf", "-o", file("c.dxf")}, "  0\nSECTION"},
      {{"-o", file("d.pdf")}, "%PDF"},
      {{"-o", file("e")}, "%PDF"},
      {{"--svg", "-o", file("f")}, "<?xml"},
  };
  for (const auto &[tail, start] : cases) {
    Args args = {"template", "rib", "meters", "0.4", "1.2"};
    args.insert(args.end(), tail.begin(), tail.end());
    const Outcome r = run(args);
    ASSERT_EQ(r.status, 0) << tail.back() << r.err;
    EXPECT_EQ(contents(tail.back()).rfind(start, 0), 0u) << tail.back();
  }
}

// A flag that contradicts the name, a name that names no format and a paper
// for a one-sheet file are refused in words, before anything is written.
TEST_F(TemplateCli, ContradictionsAreRefused) {
  const std::vector<std::pair<Args, std::string>> cases = {
      {{"--svg", "-o", file("x.pdf")},
       "--svg asks for SVG but " + file("x.pdf") +
           " is named as PDF: name the file .svg or leave --svg out"},
      {{"--dxf", "-o", file("x.svg")},
       "--dxf asks for DXF but " + file("x.svg") +
           " is named as SVG: name the file .dxf or leave --dxf out"},
      {{"-o", file("x.png")},
       "the name " + file("x.png") + " does not say PDF, SVG or DXF: end it in .pdf, .svg or .dxf"},
      {{"--paper", "a4", "-o", file("x.svg")},
       "--paper does not apply to SVG, which is always one sheet the template's size: leave "
       "--paper out"},
      {{"--paper", "sheet", "--dxf", "-o", file("x")},
       "--paper does not apply to DXF, which is always one sheet the template's size: leave "
       "--paper out"},
  };
  for (const auto &[tail, error] : cases) {
    Args args = {"template", "rib", "meters", "0.4", "1.2"};
    args.insert(args.end(), tail.begin(), tail.end());
    const Outcome r = run(args);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "error: " + error + "\n");
  }
  EXPECT_TRUE(empty());
}

// -oFILE is -o FILE: the same file, the same figures.
TEST_F(TemplateCli, OutputFileJoinedToItsOption) {
  const Outcome joined = run({"template", "rib", "meters", "0.4", "1.2", "-o" + file("a.svg")});
  const Outcome apart = run({"template", "rib", "meters", "0.4", "1.2", "-o", file("b.svg")});
  ASSERT_EQ(joined.status, 0) << joined.err;
  EXPECT_EQ(joined.out, apart.out);
  EXPECT_TRUE(fs::is_regular_file(file("a.svg")));
  EXPECT_EQ(fs::file_size(file("a.svg")), fs::file_size(file("b.svg")));
}

struct Figures {
  const char *name;
  Args args;
  std::string tail; // the output's last lines
  std::string err;  // warnings, on standard error only
};

class TemplateFigures : public TemplateCli, public ::testing::WithParamInterface<Figures> {};

// After the figures: the gores the frequency needs; warnings in words on standard error.
TEST_P(TemplateFigures, EndWithGoresAndWarnings) {
  Args args = GetParam().args;
  for (const char *more : {"--paper", "sheet", "-o"})
    args.push_back(more);
  args.push_back(file("t.pdf"));
  const Outcome r = run(args);
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string &tail = GetParam().tail;
  ASSERT_GE(r.out.size(), tail.size());
  EXPECT_EQ(r.out.substr(r.out.size() - tail.size()), tail);
  EXPECT_EQ(r.err, GetParam().err);
}

INSTANTIATE_TEST_SUITE_P(
    Designs, TemplateFigures,
    ::testing::Values(
        // 7.5 in deep: 7.5 sin^2(pi/8) = 1.09835 in; 299792.458 / 2304 / 25.4 / 16 = 0.320173 in
        Figures{"EightGoresAt2304MHz",
                {"template", "petal", "feet", "0.4", "4", "8", "--freq", "2304"},
                "pages: 1\ngores for lambda/16: 16\n",
                "warning: 8 gores leave 1.09835 INCHES of "
                "flat-gore error at 2304.00 MHz, more than lambda/16 (0.320173 INCHES); 16 gores "
                "keep within it\n"},
        Figures{"RibAt10GHz", // 187.5 mm deep, lambda/16 = 1.87370 mm: sin(pi/N) <= 0.09997
                {"template", "rib", "meters", "0.4", "1.2", "--freq", "10000"},
                "pages: 1\ngores for lambda/16: 32\n",
                ""},
        // f = 150 mm, R = 500 mm: d = 500^2 / 600 = 416.667 mm
        Figures{"DeepDish",
                {"template", "rib", "meters", "0.15", "1"},
                "pages: 1\n",
                "warning: f/D 0.150 makes a dish deeper than dishes are built (f/D 0.2 "
                "to 2): the depth is 416.667 MM; check the design\n"},
        Figures{
            "NoFrequency", {"template", "petal", "meters", "0.4", "1.2", "12"}, "pages: 1\n", ""}),
    [](const ::testing::TestParamInfo<Figures> &info) { return info.param.name; });

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
                              "the template would need more than 500 pages"},
                      Refusal{
                          "RibTooShort", // a rib 5.31 mm long
                          {"template", "rib", "meters", "0.4", "0.01"},
                          "the rib would be 5.31 mm, too small for a template (10 mm at least)"},
                      Refusal{"SvgAndDxf",
                              {"template", "rib", "feet", "0.4", "4", "--svg", "--dxf"},
                              "--svg and --dxf each write one file: give one of them"},
                      Refusal{"TooManyGores",
                              {"template", "petal", "feet", "0.4", "4", "1e9"},
                              "1e9 gores are more than a template can hold (at most 10,000)"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(TemplateCli, UnwritableFileLeavesNothing) {
  // Into a folder that is not there, and onto a folder: both refused, nothing left.
  const std::string missing = file("absent/rib.pdf");
  Outcome r = run({"template", "rib", "meters", "0.4", "1", "-o", missing});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err.rfind("error: cannot write " + missing + ": ", 0), 0u) << r.err;
  fs::create_directory(file("folder"));
  for (const char *kind : {"--svg", "--dxf"}) {
    r = run({"template", "rib", "meters", "0.4", "1", kind, "-o", file("folder")});
    EXPECT_EQ(r.status, 1) << kind;
    EXPECT_EQ(r.out, "") << kind;
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
  EXPECT_TRUE(fs::is_empty(file("folder")));
}

} // namespace
} // namespace dishwright
