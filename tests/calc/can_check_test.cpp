#include "calc/common/input_error.h"
#include "calc/physics/can_check.h"
#include "calc/physics/feed_remarks.h"
#include "calc/physics/guide_modes.h"

#include "tests/calc/thrown.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace dishwright {
namespace {

TEST(CanCheck, WorkedExample) {
  const CanCheck can = checkCan(3.0, LengthUnit::Inch, 2400);
  EXPECT_NEAR(can.te11CutoffMHz, 2305.8, 0.05);
  EXPECT_NEAR(can.tm01CutoffMHz, 3011.6, 0.05);
  EXPECT_NEAR(can.guideWavelength, 17.723, 5e-4);
  EXPECT_NEAR(can.probePosition, 4.4308, 5e-5);
  EXPECT_NEAR(can.probeLength, 1.2295, 5e-5);
  EXPECT_NEAR(can.shortestCan, 13.292, 5e-4);
  EXPECT_TRUE(can.higherModes.empty());
  EXPECT_TRUE(can.nearTe11Cutoff);
  ASSERT_EQ(canWarnings(can).size(), 1u);
  EXPECT_EQ(canWarnings(can)[0].rfind("close to the TE11 cutoff 2305.8 MHz", 0), 0u);
}

// The coffee-can screen's 6917.26 / D (D in inches) is the same TE11 cutoff.
TEST(CanCheck, Te11CutoffIsTheCoffeeCanRule) {
  for (const double inches : {3.0, 3.49178, 6.466})
    EXPECT_NEAR(checkCan(inches, LengthUnit::Inch, 1e5).te11CutoffMHz, 6917.26 / inches, 0.01);
}

// A can whose TE11 cutoff is 2400 MHz (and one whose TM01 cutoff is): just below
// the frequency, just above it, the figures change kind.
TEST(CanCheck, ExactlyAtEachCutoff) {
  const double c = 299792.458;
  const double te11Mm = 1.841184 * c / (M_PI * 2400), tm01Mm = 2.404826 * c / (M_PI * 2400);
  EXPECT_THROW(checkCan(te11Mm, LengthUnit::Mm, 2400 * (1 - 1e-9)), InputError);
  const CanCheck justAbove = checkCan(te11Mm, LengthUnit::Mm, 2400 * (1 + 1e-9));
  EXPECT_GT(justAbove.guideWavelength, 1000 * justAbove.freeSpaceWavelength);
  EXPECT_TRUE(checkCan(tm01Mm, LengthUnit::Mm, 2400 * (1 - 1e-9)).higherModes.empty());
  EXPECT_EQ(checkCan(tm01Mm, LengthUnit::Mm, 2400 * (1 + 1e-9)).higherModes,
            std::vector<HigherMode>{HigherMode::Tm01});
  EXPECT_EQ(canWarnings(checkCan(tm01Mm, LengthUnit::Mm, 2500))[0].rfind("above the TM01", 0), 0u);
}

// A 45 mm can at 10368 MHz is 1.556 wavelengths across: past TM01, TE21 and
// TE01/TM11, whose cutoffs are x c / (pi D) = 2120.6 MHz times 2.4048, 3.0542
// and 3.8317.
TEST(CanCheck, NamesEveryHigherMode) {
  const std::vector<std::string> warnings = canWarnings(checkCan(45, LengthUnit::Mm, 10368));
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0], "above the TM01 cutoff 5099.7 MHz, the TE21 cutoff 6476.8 MHz and the "
                         "TE01/TM11 cutoff 8125.5 MHz: modes besides TE11 can propagate and spoil "
                         "the pattern; a narrower can is cleaner");
}

struct ModeCase {
  const char *name;
  double diameterWavelengths;
  bool weak;
  std::vector<HigherMode> higher;
};

class CanSizes : public ::testing::TestWithParam<ModeCase> {};

// Either side of 0.62 and of each cutoff root / pi: TM01 0.76548, TE21 0.97219,
// TE01/TM11 1.21969 wavelengths.
TEST_P(CanSizes, CarryTheModesAboveTheirCutoffs) {
  const CanModes modes = canModes(GetParam().diameterWavelengths);
  EXPECT_EQ(modes.weak, GetParam().weak);
  EXPECT_EQ(modes.higherModes, GetParam().higher);
}

using M = HigherMode;
INSTANTIATE_TEST_SUITE_P(
    Wavelengths, CanSizes,
    ::testing::Values(ModeCase{"Weak", 0.6199, true, {}}, ModeCase{"NotWeak", 0.6201, false, {}},
                      ModeCase{"BelowTm01", 0.76545, false, {}},
                      ModeCase{"AboveTm01", 0.76551, false, {M::Tm01}},
                      ModeCase{"BelowTe21", 0.97215, false, {M::Tm01}},
                      ModeCase{"AboveTe21", 0.97222, false, {M::Tm01, M::Te21}},
                      ModeCase{"BelowTe01", 1.21965, false, {M::Tm01, M::Te21}},
                      ModeCase{"AboveTe01", 1.21972, false, {M::Tm01, M::Te21, M::Te01Tm11}}),
    [](const auto &info) { return std::string(info.param.name); });

// The feed's words: 45 mm at 10368 MHz is 45 / 28.915 = 1.556 wavelengths, 17.07
// mm is 0.5903, 3.5 in at 2400 MHz is 0.7117 (single-mode, no word).
TEST(CanFeedRemarks, WarnOfWeakAndMultimodeCans) {
  const auto warnings = [](double mm, double mhz) {
    std::vector<std::string> texts;
    for (const FeedRemark &remark : canFeedRemarks(canModes(mm, LengthUnit::Mm, mhz))) {
      EXPECT_EQ(remark.kind, FeedRemark::Kind::Warning);
      texts.push_back(remark.text);
    }
    return texts;
  };
  EXPECT_EQ(warnings(45, 10368),
            std::vector<std::string>{
                "the can is 1.556 wavelengths across, above the cutoffs of TM01 (0.7655), TE21 "
                "(0.9722) and TE01/TM11 (1.22): these modes can propagate besides TE11 and spoil "
                "the pattern, and the figures, of TE11 alone, do not show it; a can 0.62 to "
                "0.7655 wavelength across carries TE11 alone"});
  EXPECT_EQ(warnings(17.07, 10368),
            std::vector<std::string>{
                "the can is 0.5903 wavelength across, close to its TE11 cutoff (0.5861): there it "
                "is weak and narrow-band, and the open-can model of its pattern is poor; a can "
                "0.62 to 0.7655 wavelength across is better"});
  EXPECT_EQ(warnings(3.5 * 25.4, 2400), std::vector<std::string>{});
}

// lambda_g from the guide's dispersion, 1 / lambda_g^2 = 1 / lambda0^2 - 1 / lambda_c^2,
// with the cutoff wavelength pi D / 1.841184 of TE11, in cm.
TEST(CanCheck, GuideWavelengthFromCutoffWavelength) {
  const CanCheck can = checkCan(9.0, LengthUnit::Cm, 2304);
  const double lambda0 = 29.9792458 / 2304 * 1000, lambdaC = M_PI * 9.0 / 1.841184;
  EXPECT_NEAR(can.guideWavelength, 1 / std::sqrt(1 / (lambda0 * lambda0) - 1 / (lambdaC * lambdaC)),
              1e-9);
}

TEST(CanCheck, BadInput) {
  const std::pair<std::function<void()>, std::string> cases[] = {
      {[] { checkCan(3.0, LengthUnit::Inch, 2000); },
       "2000 MHz is below the TE11 cutoff 2305.8 MHz: the can carries nothing"},
      {[] { checkCan(0, LengthUnit::Inch, 2400); }, "the diameter must be greater than 0"},
      {[] { checkCan(3, LengthUnit::Inch, -1); }, "the frequency must be greater than 0"},
  };
  for (const auto &[run, message] : cases) {
    EXPECT_EQ(inputErrorOf([&] { run(); }), message);
  }
}

} // namespace
} // namespace dishwright
