#include "calc/common/input_error.h"
#include "calc/physics/can_check.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

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
  EXPECT_FALSE(can.aboveTm01);
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
  EXPECT_FALSE(checkCan(tm01Mm, LengthUnit::Mm, 2400 * (1 - 1e-9)).aboveTm01);
  EXPECT_TRUE(checkCan(tm01Mm, LengthUnit::Mm, 2400 * (1 + 1e-9)).aboveTm01);
  EXPECT_EQ(canWarnings(checkCan(tm01Mm, LengthUnit::Mm, 2500))[0].rfind("above the TM01", 0), 0u);
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
    try {
      run();
      ADD_FAILURE() << "no error for " << message;
    } catch (const InputError &e) {
      EXPECT_EQ(e.what(), message);
    }
  }
}

} // namespace
} // namespace dishwright
