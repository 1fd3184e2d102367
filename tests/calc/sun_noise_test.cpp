#include "calc/common/input_error.h"
#include "calc/physics/sun_noise.h"
#include "calc/physics/sun_noise_flux.h"
#include "calc/physics/sun_noise_verdict.h"

#include "tests/calc/thrown.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace dishwright {
namespace {

// Written out here, apart from the code's constants: a wavelength in metres, and
// the beam correction for a half-power beamwidth in degrees (none for an
// infinitely wide beam).
double wavelengthM(double frequencyMHz) { return 299.792458 / frequencyMHz; }
// The correction for the sun's 0.5 degree disc in a Gaussian beam (Baars 1973):
// x^2 / (1 - exp(-x^2)), x^2 = ln 2 (0.5 / beamwidth)^2.
double correctionFor(double beamwidthDeg) {
  const double x2 = std::log(2.0) * std::pow(0.5 / beamwidthDeg, 2);
  return x2 > 0 ? x2 / (1 - std::exp(-x2)) : 1;
}

template <class Case> std::string caseName(const ::testing::TestParamInfo<Case> &info) {
  return info.param.name;
}

TEST(SunNoise, WorkedFigures) {
  const SunPrediction p = predictSunNoise(30, 60, 1296, 106, std::nullopt);
  // A 55 % dish of 30 dBi has a 5.1574 degree beam: x^2 = 0.0065148 and K =
  // 1 + x^2 / 2 + x^4 / 12 = 1.003261.
  EXPECT_NEAR(p.sunTemperatureK, 1629.3, 0.05);
  EXPECT_NEAR(p.beamCorrection, 1.003261, 5e-6);
  EXPECT_NEAR(p.sunNoiseDb, 14.496, 5e-4);
  EXPECT_EQ(p.source, BeamwidthSource::FromGain);
  const SunMeasurement m = measureSunNoise(14.49, 1296, 106, std::nullopt, std::nullopt, {});
  EXPECT_NEAR(m.gOverTDbPerK, 12.199, 5e-4);
  EXPECT_FALSE(m.gainDbi);
}

struct NarrowBeam {
  const char *name;
  double beamwidthDeg, correction, aboveOldRuleDb;
};

class DiscInBeam : public ::testing::TestWithParam<NarrowBeam> {};

// Down to 0.1 degree: K = x^2 / (1 - exp(-x^2)) worked by hand, and how far the
// rule 1 + 0.38 (0.5 / beamwidth)^2 fell short (0.4 dB at 0.3 degree, 1.1 dB at 0.2).
TEST_P(DiscInBeam, ExactForNarrowBeams) {
  const NarrowBeam &c = GetParam();
  const double k = predictSunNoise(50, 100, 24048, 700, c.beamwidthDeg).beamCorrection;
  EXPECT_NEAR(k, c.correction, 5e-4);
  const double oldRule = 1 + 0.38 * std::pow(0.5 / c.beamwidthDeg, 2);
  EXPECT_NEAR(10 * std::log10(k / oldRule), c.aboveOldRuleDb, 0.005);
}

// 0.3 degree: x^2 = ln 2 x 2.7778 = 1.92540, K = 1.92540 / (1 - 0.145800) = 2.25400;
// 0.2: x^2 = 4.33217, K = 4.33217 / (1 - 0.013139) = 4.38985; 0.1: x^2 = 17.3287,
// exp(-x^2) = 3e-8, K = 17.3287; 2 degrees: x^2 = 0.043322, K = 0.043322 /
// (1 - 0.957603) = 1.021817, a little under the old rule.
INSTANTIATE_TEST_SUITE_P(Beams, DiscInBeam,
                         ::testing::Values(NarrowBeam{"Deg2", 2, 1.021817, -0.0082},
                                           NarrowBeam{"Deg0_3", 0.3, 2.25400, 0.4007},
                                           NarrowBeam{"Deg0_2", 0.2, 4.38985, 1.1416},
                                           NarrowBeam{"Deg0_1", 0.1, 17.3287, 2.1758}),
                         caseName<NarrowBeam>);

struct RoundTrip {
  const char *name;
  double gainDbi, systemK, frequencyMHz, fluxSfu;
  std::optional<double> beamwidthDeg = std::nullopt;
};

class PredictThenMeasure : public ::testing::TestWithParam<RoundTrip> {};

// Measuring the predicted sun noise on the same system and beam gives the gain back.
TEST_P(PredictThenMeasure, GivesTheGainBack) {
  const RoundTrip &c = GetParam();
  const SunPrediction p =
      predictSunNoise(c.gainDbi, c.systemK, c.frequencyMHz, c.fluxSfu, c.beamwidthDeg);
  EXPECT_EQ(p.source, c.beamwidthDeg ? BeamwidthSource::Given : BeamwidthSource::FromGain);
  const SunMeasurement m =
      measureSunNoise(p.sunNoiseDb, c.frequencyMHz, c.fluxSfu, p.beamwidthDeg, {}, c.systemK);
  EXPECT_NEAR(m.gainDbi.value_or(0), c.gainDbi, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Dishes, PredictThenMeasure,
                         ::testing::Values(RoundTrip{"GivenBeam", 38, 40, 10368, 300, 1.2},
                                           RoundTrip{"BeamNarrowerThanTheSun", 55, 100, 24048, 700},
                                           RoundTrip{"YagiOnAWeakSun", 5, 300, 144, 10}),
                         caseName<RoundTrip>);

struct BeamCase {
  const char *name;
  std::optional<double> beamwidthDeg = std::nullopt;
  std::optional<DishSize> dish;
  BeamwidthSource source;
  double expectedBeamwidthDeg; // infinity for none
};

class MeasuredDish : public ::testing::TestWithParam<BeamCase> {};

// A 3 m dish of 55 % at 1296 MHz: gain 0.55 (pi D / lambda)^2, beamwidth 70 lambda / D.
TEST_P(MeasuredDish, TakesTheBeamFromTheRightPlace) {
  const BeamCase &c = GetParam();
  const double lambda = wavelengthM(1296);
  const double gainDbi = 10 * std::log10(0.55 * std::pow(kPi * 3 / lambda, 2));
  const SunPrediction p = predictSunNoise(gainDbi, 80, 1296, 120, 70 * lambda / 3);
  const SunMeasurement m = measureSunNoise(p.sunNoiseDb, 1296, 120, c.beamwidthDeg, c.dish, 80.0);
  EXPECT_EQ(m.source, c.source);
  EXPECT_DOUBLE_EQ(m.beamwidthDeg.value_or(INFINITY), c.expectedBeamwidthDeg);
  EXPECT_NEAR(m.beamCorrection, correctionFor(c.expectedBeamwidthDeg), 1e-12);
  if (c.source == BeamwidthSource::FromDish) {
    EXPECT_NEAR(m.apertureEfficiency.value_or(0), 0.55, 1e-9);
  }
}

const double kThreeMetreBeamDeg = 70 * wavelengthM(1296) / 3;

INSTANTIATE_TEST_SUITE_P(
    Beams, MeasuredDish,
    ::testing::Values(BeamCase{"FromMetres", std::nullopt, DishSize{3}, BeamwidthSource::FromDish,
                               kThreeMetreBeamDeg},
                      BeamCase{"FromFeet", std::nullopt, DishSize{3 / 0.3048, DishSizeUnit::Feet},
                               BeamwidthSource::FromDish, kThreeMetreBeamDeg},
                      BeamCase{"GivenBeatsDish", 2.0, DishSize{3}, BeamwidthSource::Given, 2.0},
                      BeamCase{"None", std::nullopt, std::nullopt, BeamwidthSource::None,
                               INFINITY}),
    caseName<BeamCase>);

struct FluxCase {
  const char *name;
  double f1MHz, s1Sfu, f2MHz, s2Sfu;
};

class FluxBetween : public ::testing::TestWithParam<FluxCase> {};

// A straight line in log-log through both figures: at the geometric mean of the
// frequencies the geometric mean of the fluxes; one step further, one ratio further.
TEST_P(FluxBetween, IsAPowerLaw) {
  const FluxCase &c = GetParam();
  auto flux = [&c](double f) { return interpolateFlux(f, c.f1MHz, c.s1Sfu, c.f2MHz, c.s2Sfu); };
  EXPECT_NEAR(flux(c.f1MHz) / c.s1Sfu, 1, 1e-12);
  EXPECT_NEAR(flux(c.f2MHz) / c.s2Sfu, 1, 1e-12);
  EXPECT_NEAR(flux(std::sqrt(c.f1MHz * c.f2MHz)) / std::sqrt(c.s1Sfu * c.s2Sfu), 1, 1e-12);
  EXPECT_NEAR(flux(c.f2MHz * c.f2MHz / c.f1MHz) / (c.s2Sfu * c.s2Sfu / c.s1Sfu), 1, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Reports, FluxBetween,
                         ::testing::Values(FluxCase{"Rising", 1415, 90, 2695, 110},
                                           FluxCase{"FallingHighFirst", 410, 25, 245, 40}),
                         caseName<FluxCase>);

// Which side of the usual range an efficiency lies on, and where the words send
// the builder: the efficiency rises with the system temperature typed, so a
// figure too high names a temperature typed too high, never one too low.
struct VerdictCase {
  const char *name;
  double efficiency;
  EfficiencyVerdict verdict;
  const char *opening;             // how the words begin
  std::vector<const char *> named; // what they must name
  const char *never = "too low";   // what they must not say
};

class Verdicts : public ::testing::TestWithParam<VerdictCase> {};

TEST_P(Verdicts, PointTheRightWay) {
  const VerdictCase &c = GetParam();
  const EfficiencyJudgement judgement = judgeApertureEfficiency(c.efficiency);
  EXPECT_EQ(judgement.verdict, c.verdict);
  EXPECT_EQ(judgement.words.rfind(c.opening, 0), 0u) << judgement.words;
  for (const char *words : c.named)
    EXPECT_NE(judgement.words.find(words), std::string::npos) << words;
  EXPECT_EQ(judgement.words.find(c.never), std::string::npos) << judgement.words;
}

const std::vector<const char *> kTooHighNames = {
    "system temperature typed too high (it is the whole system on cold sky, not the LNA alone)",
    "flux typed wrong", "the sun's flux of another day"};

INSTANTIATE_TEST_SUITE_P(
    Efficiencies, Verdicts,
    ::testing::Values(
        VerdictCase{"Low",
                    0.449,
                    EfficiencyVerdict::Low,
                    "45 %: below the 45 to 70 % amateur dishes usually reach.",
                    {"pointing", "the flux", "loss and mismatch"},
                    "too high"},
        VerdictCase{"Typical",
                    0.45,
                    EfficiencyVerdict::Typical,
                    "45 %: typical of a well-made amateur dish (45 to 70 %)",
                    {},
                    "."},
        VerdictCase{"StillTypical", 0.7, EfficiencyVerdict::Typical, "70 %: typical", {}},
        VerdictCase{"High", 1, EfficiencyVerdict::High,
                    "100 %: above the 45 to 70 % amateur dishes usually reach: a fine dish, or",
                    kTooHighNames},
        VerdictCase{"Impossible", 1.01, EfficiencyVerdict::Impossible,
                    "101 %: more than any dish can reach.", kTooHighNames}),
    caseName<VerdictCase>);

// The measurement carries the verdict on its efficiency, so that every front end
// says the same: a 1 m dish giving the sun noise of a 3 m one cannot be.
TEST(SunNoise, MeasurementCarriesItsVerdict) {
  const SunMeasurement small = measureSunNoise(14.49, 1296, 106, {}, DishSize{1}, 60.0);
  ASSERT_TRUE(small.judgement);
  EXPECT_EQ(small.judgement->verdict, EfficiencyVerdict::Impossible);
  EXPECT_EQ(small.judgement->words.rfind("540 %: more than any dish", 0), 0u);
  EXPECT_FALSE(measureSunNoise(14.49, 1296, 106, {}, {}, 60.0).judgement);
}

struct PairCase {
  double frequencyMHz;
  double belowMHz, aboveMHz;
};

// The reports either side, and the outermost two beyond the observatories' range.
TEST(SunFlux, PairAroundTheFrequency) {
  const PairCase cases[] = {{1296, 610, 1415},   {10368, 8800, 15400}, {2800, 2800, 4995},
                            {245, 245, 410},     {144, 245, 410},      {15400, 8800, 15400},
                            {24048, 8800, 15400}};
  for (const PairCase &c : cases) {
    const auto [below, above] = observatoryPairAround(c.frequencyMHz);
    EXPECT_EQ(kObservatoryFrequenciesMHz.at(below), c.belowMHz) << c.frequencyMHz;
    EXPECT_EQ(kObservatoryFrequenciesMHz.at(above), c.aboveMHz) << c.frequencyMHz;
  }
}

struct ReachCase {
  const char *name;
  double frequencyMHz, f1MHz, f2MHz;
  const char *refusal = nullptr; // the words, when refused
  const char *warning = nullptr; // how the warning begins, when extrapolated
  bool note = false;             // a report typed at 10.7 cm's 10700 MHz
};

class FluxReports : public ::testing::TestWithParam<ReachCase> {};

TEST_P(FluxReports, RefuseOrWarnOutsideThem) {
  const ReachCase &c = GetParam();
  try {
    const FluxRemarks remarks = checkFluxReports(c.frequencyMHz, c.f1MHz, c.f2MHz);
    EXPECT_FALSE(c.refusal) << "accepted";
    EXPECT_EQ(remarks.warning.has_value(), c.warning != nullptr);
    if (c.warning && remarks.warning) {
      EXPECT_EQ(remarks.warning->rfind(c.warning, 0), 0u) << *remarks.warning;
    }
    EXPECT_EQ(remarks.note.has_value(), c.note);
  } catch (const InputError &e) {
    EXPECT_STREQ(e.what(), c.refusal ? c.refusal : "(accepted)");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Frequencies, FluxReports,
    ::testing::Values(
        ReachCase{"Between", 1296, 1415, 610}, ReachCase{"OnAReport", 2800, 2695, 2800},
        ReachCase{"PairKeptFromAnother", 10368, 2695, 2800,
                  "the frequency 10368 MHz is not between the two reports (2695 and 2800 MHz): "
                  "take the reports either side of it, 8800 and 15400 MHz"},
        ReachCase{"BelowItsPairWithinRange", 1296, 1415, 2695,
                  "the frequency 1296 MHz is not between the two reports (1415 and 2695 MHz): "
                  "take the reports either side of it, 610 and 1415 MHz"},
        ReachCase{"AboveEveryReport", 24048, 8800, 15400, nullptr,
                  "24048 MHz is above the observatories' highest report (15400 MHz): the flux "
                  "is extrapolated from the reports at 8800 and 15400 MHz"},
        ReachCase{"BelowEveryReport", 144, 410, 245, nullptr,
                  "144 MHz is below the observatories' lowest report (245 MHz)"},
        ReachCase{"BeyondFromAFarPair", 24048, 2695, 2800,
                  "the frequency 24048 MHz is outside the two reports (2695 and 2800 MHz) and "
                  "reports lie nearer it: take the nearest two, 8800 and 15400 MHz"},
        ReachCase{"BeyondFromOwnNearerReport", 24048, 15400, 17000, nullptr, "24048 MHz is above"},
        ReachCase{"TenCentimetresAsMHz", 10368, 8800, 10700, nullptr, nullptr, true},
        ReachCase{"TenCentimetresNearly", 10368, 8800, 10750, nullptr, nullptr, true},
        ReachCase{"TwelveGigahertz", 10368, 8800, 12000}),
    caseName<ReachCase>);

// The flux between reports is the power law's; outside them the estimate is
// refused rather than extrapolated from the wrong pair (496 SFU where the reports
// either side give about 300).
TEST(SunFlux, EstimateChecksThenInterpolates) {
  EXPECT_NEAR(estimateFlux(1296, 610, 80, 1415, 110).fluxSfu, 106.40292, 5e-6);
  const FluxEstimate above = estimateFlux(24048, 8800, 250, 15400, 450);
  EXPECT_NEAR(above.fluxSfu, 718.64501, 5e-5);
  EXPECT_TRUE(above.remarks.warning);
  EXPECT_THROW(estimateFlux(10368, 2695, 70, 2800, 74), InputError);
}

struct Refusal {
  const char *name;
  std::function<void()> run;
  const char *message;
};

class SunRefusals : public ::testing::TestWithParam<Refusal> {};

TEST_P(SunRefusals, SayWhy) {
  EXPECT_EQ(inputErrorOf([&] { GetParam().run(); }), GetParam().message);
}

void predict(double gainDbi, double systemK, double mhz, double sfu, double beamDeg = 1) {
  predictSunNoise(gainDbi, systemK, mhz, sfu, beamDeg);
}
void measure(double db, double mhz, double sfu, double dishMetres = 3) {
  measureSunNoise(db, mhz, sfu, std::nullopt, DishSize{dishMetres}, 80.0);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, SunRefusals,
    ::testing::Values(Refusal{"Gain", [] { predict(0, 60, 1296, 106); },
                              "the gain in dBi must be greater than 0"},
                      Refusal{"System", [] { predict(30, -1, 1296, 106); },
                              "the system temperature must be greater than 0"},
                      Refusal{"Frequency", [] { predict(30, 60, 0, 106); },
                              "the frequency must be greater than 0"},
                      Refusal{"Flux", [] { measure(14, 1296, 0); },
                              "the flux must be greater than 0"},
                      Refusal{"Beamwidth", [] { predict(30, 60, 1296, 106, 0); },
                              "the beamwidth must be greater than 0"},
                      Refusal{"SunNoise", [] { measure(0, 1296, 106); },
                              "the sun noise in dB must be greater than 0"},
                      Refusal{"Dish", [] { measure(14, 1296, 106, -3); },
                              "the dish diameter must be greater than 0"},
                      Refusal{"SameReports", [] { interpolateFlux(1296, 1415, 90, 1415, 95); },
                              "the two observatory frequencies must differ"},
                      Refusal{"HugeGain", [] { predict(4000, 60, 1296, 106); },
                              "the gain in dBi is too large to compute with"},
                      Refusal{"TinySystem", [] { predict(30, 1e-307, 1296, 106); },
                              "the system temperature is too small to compute with"},
                      Refusal{"TinyDish", [] { measure(14, 1296, 106, 1e-300); },
                              "the dish diameter is too small to compute with"}),
    caseName<Refusal>);

} // namespace
} // namespace dishwright
