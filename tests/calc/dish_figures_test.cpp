#include "calc/screen_rules/calc_error.h"
#include "calc/screen_rules/dish_figures.h"
#include "calc/screen_rules/input_step.h"
#include "tests/calc/recording_sink.h"

#include "tests/calc/thrown.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace dishwright {
namespace {

using test::RecordingSink;
using Strings = std::vector<std::string>;

struct FigureCase {
  const char *name;
  bool metric;
  float fd, dia, freq;
  Strings writes;
  float mesh, dbdia, dbfreq, dbsum, gain, beam;
};

class WorkedFigures : public ::testing::TestWithParam<FigureCase> {};

TEST_P(WorkedFigures, TextsInOrderAndStoredSingles) {
  const FigureCase &c = GetParam();
  DesignValues v;
  v.fd = c.fd;
  v.dia = c.dia;
  v.freq = c.freq;
  RecordingSink sink;
  c.metric ? loadMetricScreen(v, sink) : loadImperialScreen(v, sink);
  EXPECT_EQ(sink.writes, c.writes);
  EXPECT_EQ(v.mesh, c.mesh);
  EXPECT_EQ(v.dbdia, c.dbdia);
  EXPECT_EQ(v.dbfreq, c.dbfreq);
  EXPECT_EQ(v.dbsum, c.dbsum);
  EXPECT_EQ(v.gain, c.gain);
  EXPECT_EQ(v.beam, c.beam);
  EXPECT_FALSE(sink.rows.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Examples, WorkedFigures,
    ::testing::Values(
        FigureCase{"Feet4At2304", false, 0.4f, 4, 2304,
                   Strings{"frequency=2304", "diameter=4", "mesh unit=INCHES", "diameter unit=FEET",
                           "mesh size=0.5125868", "gain=26.79085", "beamwidth=7.595486"},
                   0.5125868320465088f, 12.041199684143066f, 7.249649524688721f,
                   19.290849685668945f, 26.790849685668945f, 7.595486164093018f},
        FigureCase{"Metres1p2At2304", true, 0.4f, 1.2f, 2304,
                   Strings{"frequency=2304", "diameter=1.2", "mesh unit=MM", "diameter unit=METERS",
                           "mesh size=13.02083", "gain=26.65327", "beamwidth=7.703993"},
                   13.020833015441895f, 1.583625316619873f, 7.249649524688721f, 8.833274841308594f,
                   26.653274536132812f, 7.70399284362793f},
        FigureCase{"Metres0p16At10368", true, 0.25f, 0.16f, 10368,
                   Strings{"frequency=10368", "diameter=0.16", "mesh unit=MM",
                           "diameter unit=METERS", "mesh size=2.893518", "gain=22.2163",
                           "beamwidth=12.83999"},
                   2.8935184478759766f, -15.917600631713867f, 20.313899993896484f,
                   4.396299362182617f, 22.216299057006836f, 12.839988708496094f}),
    [](const auto &info) { return std::string(info.param.name); });

struct FailingFigures {
  const char *name;
  bool metric;
  float fd, dia, freq;
  ErrorKind kind;
  Strings writes; // what the screen shows when the failure stops the load
};

class FiguresFail : public ::testing::TestWithParam<FailingFigures> {};

TEST_P(FiguresFail, StopWithWhatWasWritten) {
  const FailingFigures &c = GetParam();
  DesignValues v;
  v.fd = c.fd;
  v.dia = c.dia;
  v.freq = c.freq;
  RecordingSink sink;
  EXPECT_EQ(
      calcErrorOf([&] { c.metric ? loadMetricScreen(v, sink) : loadImperialScreen(v, sink); }),
      c.kind);
  EXPECT_EQ(sink.writes, c.writes);
  EXPECT_TRUE(sink.rows.empty());
}

const Strings kEchoFeet0{"frequency=0", "diameter=0", "mesh unit=INCHES", "diameter unit=FEET"};

INSTANTIATE_TEST_SUITE_P(
    Failures, FiguresFail,
    ::testing::Values(
        FailingFigures{"DesignTextsFeet", false, 0, 0, 0, ErrorKind::DivisionByZero, kEchoFeet0},
        FailingFigures{
            "DesignTextsMetres", true, 0, 0, 0, ErrorKind::DivisionByZero,
            Strings{"frequency=0", "diameter=0", "mesh unit=MM", "diameter unit=METERS"}},
        FailingFigures{"ZeroDiameter", false, 0.4f, 0, 2304, ErrorKind::InvalidArgument,
                       Strings{"frequency=2304", "diameter=0", "mesh unit=INCHES",
                               "diameter unit=FEET", "mesh size=0.5125868"}},
        FailingFigures{"NegativeDiameter", true, 0.4f, -1, 2304, ErrorKind::InvalidArgument,
                       Strings{"frequency=2304", "diameter=-1", "mesh unit=MM",
                               "diameter unit=METERS", "mesh size=13.02083"}},
        FailingFigures{"NegativeFrequency", false, 0.4f, 4, -2304, ErrorKind::InvalidArgument,
                       Strings{"frequency=-2304", "diameter=4", "mesh unit=INCHES",
                               "diameter unit=FEET", "mesh size=-0.5125868"}},
        FailingFigures{
            "MeshBeyondSingle", false, 0.4f, 4, 1e-36f, ErrorKind::Overflow,
            Strings{"frequency=1E-36", "diameter=4", "mesh unit=INCHES", "diameter unit=FEET"}},
        FailingFigures{"BeamBeyondSingle", false, 0.4f, 1e-35f, 1, ErrorKind::Overflow,
                       Strings{"frequency=1", "diameter=1E-35", "mesh unit=INCHES",
                               "diameter unit=FEET", "mesh size=1181", "gain=-752.5"}},
        FailingFigures{"ZeroFdAfterFigures", false, 0, 4, 2304, ErrorKind::DivisionByZero,
                       Strings{"frequency=2304", "diameter=4", "mesh unit=INCHES",
                               "diameter unit=FEET", "mesh size=0.5125868", "gain=26.79085",
                               "beamwidth=7.595486"}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Figures, ZeroFrequencyLeavesInfiniteMesh) {
  DesignValues v;
  RecordingSink sink;
  EXPECT_THROW(loadImperialScreen(v, sink), CalcError);
  EXPECT_TRUE(std::isinf(v.mesh));
}

TEST(Figures, NegativeFrequencyStoresDbdiaBeforeFailing) {
  DesignValues v;
  v.fd = 0.4f;
  v.dia = 4;
  v.freq = -2304;
  RecordingSink sink;
  EXPECT_THROW(loadImperialScreen(v, sink), CalcError);
  EXPECT_EQ(v.dbdia, 12.041199684143066f);
  EXPECT_EQ(v.dbfreq, 0.0f);
}

TEST(Figures, TypedInputsEchoAsStoredSingles) {
  DesignValues v;
  storeInputs(v, "0.4", "04", "2304.0");
  RecordingSink sink;
  loadImperialScreen(v, sink);
  EXPECT_EQ(sink.fields[Field::Frequency], "2304");
  EXPECT_EQ(sink.fields[Field::Diameter], "4");
}

TEST(Figures, MetricLoadOverwritesTheSharedFigures) {
  DesignValues v;
  storeInputs(v, "0.4", "1.2", "2304");
  RecordingSink feet, metres;
  loadImperialScreen(v, feet);
  loadMetricScreen(v, metres);
  EXPECT_EQ(v.mesh, 13.020833015441895f); // now in millimetres
  EXPECT_EQ(feet.fields[Field::MeshSize], "0.5125868");
}

} // namespace
} // namespace dishwright
