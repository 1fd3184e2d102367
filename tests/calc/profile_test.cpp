#include "calc/screen_rules/calc_error.h"
#include "calc/screen_rules/profile.h"
#include "tests/calc/recording_sink.h"

#include "tests/calc/thrown.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

namespace dishwright {
namespace {

using test::RecordingSink;
using Strings = std::vector<std::string>;

enum class Listing { Feet, Metres, PrintFeet, PrintMetres };

void runListing(Listing which, DesignValues &v, RecordingSink &sink) {
  switch (which) {
  case Listing::Feet:
    listImperialProfile(v, sink);
    break;
  case Listing::Metres:
    listMetricProfile(v, sink);
    break;
  case Listing::PrintFeet:
    listImperialPrint(v, sink);
    break;
  case Listing::PrintMetres:
    listMetricPrint(v, sink);
    break;
  }
}

Strings listRows(Listing which, float fd, float dia, DesignValues *out = nullptr) {
  DesignValues v;
  v.fd = fd;
  v.dia = dia;
  RecordingSink sink;
  runListing(which, v, sink);
  if (out)
    *out = v;
  return sink.rows;
}

const Strings kFeet4{"1....0.013",  "2....0.052",  "3....0.117",  "4....0.208",  "5....0.326",
                     "6....0.469",  "7....0.638",  "8....0.833",  "9....1.055",  "10....1.302",
                     "11....1.576", "12....1.875", "13....2.201", "14....2.552", "15....2.93",
                     "16....3.333", "17....3.763", "18....4.219", "19....4.701", "20....5.208",
                     "21....5.742", "22....6.302", "23....6.888", "24....7.5"};

const Strings kMetres1p2{
    "1....0.005",   "3....0.047",   "5....0.13",   "7....0.255",   "9....0.422",   "11....0.63",
    "13....0.88",   "15....1.172",  "17....1.505", "19....1.88",   "21....2.297",  "23....2.755",
    "25....3.255",  "27....3.797",  "29....4.38",  "31....5.005",  "33....5.672",  "35....6.38",
    "37....7.13",   "39....7.922",  "41....8.755", "43....9.63",   "45....10.547", "47....11.505",
    "49....12.505", "51....13.547", "53....14.63", "55....15.755", "57....16.922", "59....18.13"};

// The same rows with every depth negative: "1....-0.013".
Strings negated(Strings rows) {
  for (std::string &row : rows)
    row.insert(row.find("....") + 4, "-");
  return rows;
}

struct WholeListCase {
  const char *name;
  Listing which;
  float fd, dia;
  Strings rows;
};

class WholeLists : public ::testing::TestWithParam<WholeListCase> {};

TEST_P(WholeLists, EveryRow) {
  const WholeListCase &c = GetParam();
  EXPECT_EQ(listRows(c.which, c.fd, c.dia), c.rows);
}

const Strings kMetres0p16{"1....0.062", "3....0.562", "5....1.562", "7....3.062"};

INSTANTIATE_TEST_SUITE_P(
    Examples, WholeLists,
    ::testing::Values(WholeListCase{"Feet", Listing::Feet, 0.4f, 4, kFeet4},
                      WholeListCase{"PrintFeet", Listing::PrintFeet, 0.4f, 4, kFeet4},
                      WholeListCase{"Metres", Listing::Metres, 0.4f, 1.2f, kMetres1p2},
                      WholeListCase{"PrintMetres", Listing::PrintMetres, 0.4f, 1.2f, kMetres1p2},
                      WholeListCase{"HalvesMetres", Listing::Metres, 0.25f, 0.16f, kMetres0p16},
                      WholeListCase{"HalvesPrintMetres", Listing::PrintMetres, 0.25f, 0.16f,
                                    kMetres0p16},
                      WholeListCase{"TenthFoot", Listing::Feet, 0.4f, 0.1f, Strings{"1....0.521"}},
                      WholeListCase{"TenthFootPrint", Listing::PrintFeet, 0.4f, 0.1f, Strings{}},
                      WholeListCase{"NegativeFd", Listing::Feet, -0.4f, 4, negated(kFeet4)},
                      WholeListCase{"BelowTwelfthFoot", Listing::Feet, 0.4f, 0.08f, Strings{}},
                      WholeListCase{"NegativeDiaPrint", Listing::PrintMetres, 0.4f, -2, Strings{}}),
    [](const auto &info) { return std::string(info.param.name); });

struct EndsCase {
  const char *name;
  Listing which;
  float fd, dia;
  std::size_t count;
  Strings lastRows;
};

class ListEnds : public ::testing::TestWithParam<EndsCase> {};

TEST_P(ListEnds, CountAndLastRows) {
  const EndsCase &c = GetParam();
  Strings rows = listRows(c.which, c.fd, c.dia);
  ASSERT_EQ(rows.size(), c.count);
  Strings tail(rows.end() - static_cast<long>(c.lastRows.size()), rows.end());
  EXPECT_EQ(tail, c.lastRows);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, ListEnds,
    ::testing::Values(
        EndsCase{"Feet4p25", Listing::Feet, 0.4f, 4.25f, 26, {"25....7.659", "26....8.284"}},
        EndsCase{
            "PrintFeet4p25", Listing::PrintFeet, 0.4f, 4.25f, 25, {"24....7.059", "25....7.659"}},
        EndsCase{"Feet4p75", Listing::Feet, 0.4f, 4.75f, 28, {"28....8.596"}},
        EndsCase{"PrintFeet4p75", Listing::PrintFeet, 0.4f, 4.75f, 28, {"28....8.596"}},
        EndsCase{"Metres1p21", Listing::Metres, 0.4f, 1.21f, 31, {"59....17.98", "61....19.22"}},
        EndsCase{"PrintMetres1p21",
                 Listing::PrintMetres,
                 0.4f,
                 1.21f,
                 30,
                 {"57....16.782", "59....17.98"}},
        EndsCase{"Metres1p23", Listing::Metres, 0.4f, 1.23f, 31, {"61....18.908"}},
        EndsCase{"PrintMetres1p23", Listing::PrintMetres, 0.4f, 1.23f, 31, {"61....18.908"}},
        EndsCase{"Metres0p22", Listing::Metres, 0.4f, 0.22f, 6, {"11....3.438"}},
        EndsCase{"PrintMetres0p22", Listing::PrintMetres, 0.4f, 0.22f, 6, {"11....3.438"}},
        EndsCase{"Halves6Feet",
                 Listing::Feet,
                 0.5f,
                 6,
                 36,
                 {"33....7.562", "34....8.028", "35....8.507", "36....9"}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Profile, HalvesToEvenRows) {
  Strings rows = listRows(Listing::Feet, 0.5f, 6);
  for (const char *row : {"3....0.062", "9....0.562", "12....1", "15....1.562", "21....3.062",
                          "24....4", "27....5.062", "33....7.562", "36....9"})
    EXPECT_NE(std::find(rows.begin(), rows.end(), row), rows.end()) << row;
}

TEST(Profile, WorkingValuesHoldTheLastRow) {
  DesignValues v;
  listRows(Listing::PrintFeet, 0.4f, 4.25f, &v);
  EXPECT_EQ(v.xin, 26.0f); // first value past the limit 25.5
  EXPECT_EQ(v.focin, 20.4f);
  EXPECT_EQ(v.depin, 7.659f);
  listRows(Listing::Metres, 0.4f, 1.2f, &v);
  EXPECT_EQ(v.foccm, 48.000004f);
  EXPECT_EQ(v.depcm, 18.13f);
}

TEST(Profile, EmptyListKeepsPreviousValues) {
  DesignValues v;
  v.fd = 0.4f;
  v.dia = 0.05f;
  v.focin = 3;
  v.depin = 5;
  RecordingSink sink;
  listImperialPrint(v, sink);
  EXPECT_TRUE(sink.rows.empty());
  EXPECT_EQ(v.focin, 3.0f);
  EXPECT_EQ(v.depin, 5.0f);
  EXPECT_EQ(v.xin, 1.0f);
}

struct FailingList {
  const char *name;
  Listing which;
  float fd, dia;
  ErrorKind kind;
  std::size_t rowsBefore;
  const char *lastRow; // "" when no row came before the failure
};

class ListFails : public ::testing::TestWithParam<FailingList> {};

TEST_P(ListFails, KindAndRowsBefore) {
  const FailingList &c = GetParam();
  DesignValues v;
  v.fd = c.fd;
  v.dia = c.dia;
  RecordingSink sink;
  EXPECT_EQ(calcErrorOf([&] { runListing(c.which, v, sink); }), c.kind);
  ASSERT_EQ(sink.rows.size(), c.rowsBefore);
  if (c.rowsBefore > 0) {
    EXPECT_EQ(sink.rows.back().substr(0, std::string(c.lastRow).size()), c.lastRow);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Failures, ListFails,
    ::testing::Values(
        FailingList{"ZeroFd", Listing::Feet, 0, 4, ErrorKind::DivisionByZero, 0, ""},
        FailingList{"ZeroFdMetres", Listing::Metres, 0, 1.2f, ErrorKind::DivisionByZero, 0, ""},
        FailingList{"ZeroFdPrint", Listing::PrintFeet, 0, 4, ErrorKind::DivisionByZero, 0, ""},
        FailingList{"NegativeZeroFd", Listing::PrintMetres, -0.0f, 1, ErrorKind::DivisionByZero, 0,
                    ""},
        FailingList{"SquareBeyond32Bits", Listing::Feet, 0.4f, 7724, ErrorKind::Overflow, 46340,
                    "46340...."},
        FailingList{"SquareBeyond32BitsMetres", Listing::Metres, 0.4f, 927, ErrorKind::Overflow,
                    23170, "46339...."},
        FailingList{"LimitBeyond32Bits", Listing::Feet, 0.4f, 1e9f, ErrorKind::Overflow, 0, ""},
        FailingList{"LimitBeyondSingle", Listing::PrintFeet, 0.4f, 3e38f, ErrorKind::Overflow, 0,
                    ""},
        FailingList{"FocalBeyondSingle", Listing::Feet, 3e38f, 1, ErrorKind::Overflow, 0, ""},
        FailingList{"FocalBeyondSinglePrint", Listing::PrintMetres, 3e38f, 1, ErrorKind::Overflow,
                    0, ""},
        FailingList{"CounterWouldStallFeet", Listing::PrintFeet, 0.4f, 2796203, ErrorKind::Overflow,
                    0, ""},
        FailingList{"CounterWouldStallMetres", Listing::PrintMetres, 0.4f, 671089,
                    ErrorKind::Overflow, 0, ""}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace dishwright
