#include "calc/physics/can_check.h"

#include "calc/common/figure_text.h"
#include "calc/common/input_checks.h"
#include "calc/common/input_error.h"

#include "calc/common/units.h"

#include <cmath>

namespace dishwright {
namespace {

// "above the TM01 cutoff 5099.4 MHz, the TE21 cutoff 6476.5 MHz and the ...".
std::string higherModesWarning(const CanCheck &check) {
  const std::vector<HigherMode> &modes = check.higherModes;
  std::string text = "above the ";
  for (std::size_t i = 0; i < modes.size(); ++i) {
    if (i > 0)
      text += i + 1 == modes.size() ? " and the " : ", the ";
    const double cutoffMHz = check.te11CutoffMHz * besselRoot(modes[i]) / kTe11BesselRoot;
    text += std::string(modeName(modes[i])) + " cutoff " + plainFigureText(cutoffMHz) + " MHz";
  }
  return text + (modes.size() == 1 ? ": a second mode" : ": modes besides TE11") +
         " can propagate and spoil the pattern; a narrower can is cleaner";
}

} // namespace

CanCutoffs canCutoffs(double diameter, LengthUnit unit) {
  requirePositive(diameter, "diameter");
  const double c = speedOfLight(unit);
  const CanCutoffs cutoffs{kTe11BesselRoot * c / (kPi * diameter),
                           kTm01BesselRoot * c / (kPi * diameter)};
  // A diameter near the ends of the double range gives a cutoff of 0 or infinity.
  if (!(cutoffs.te11MHz > 0) || !std::isfinite(cutoffs.tm01MHz))
    throw InputError("the diameter " + plainFigureText(diameter) + " is too " +
                     (cutoffs.te11MHz > 0 ? "small" : "large") + " to compute with");
  return cutoffs;
}

CanCheck checkCan(double diameter, LengthUnit unit, double frequencyMHz) {
  const CanCutoffs cutoffs = canCutoffs(diameter, unit);
  requirePositive(frequencyMHz, "frequency");
  const double c = speedOfLight(unit);
  CanCheck can;
  can.te11CutoffMHz = cutoffs.te11MHz;
  can.tm01CutoffMHz = cutoffs.tm01MHz;
  if (frequencyMHz <= can.te11CutoffMHz)
    throw InputError(plainFigureText(frequencyMHz) + " MHz is " +
                     (frequencyMHz == can.te11CutoffMHz ? "at" : "below") + " the TE11 cutoff " +
                     plainFigureText(can.te11CutoffMHz) + " MHz: the can carries nothing");
  can.freeSpaceWavelength = c / frequencyMHz;
  // lambda0 / sqrt(1 - (fc / F)^2) is c / sqrt(F^2 - fc^2) without squaring F,
  // which overflows for absurd frequencies.
  const double ratio = can.te11CutoffMHz / frequencyMHz;
  can.guideWavelength = can.freeSpaceWavelength / std::sqrt((1.0 - ratio) * (1.0 + ratio));
  // A quarter guide wavelength puts the probe where the wave reflected by the back
  // wall returns in phase.
  can.probePosition = can.guideWavelength / 4.0;
  can.probeLength = can.freeSpaceWavelength / 4.0;
  constexpr double kShortestCanGuideWavelengths = 0.75; // room for TE11 to settle
  can.shortestCan = kShortestCanGuideWavelengths * can.guideWavelength;
  can.higherModes = canModes(diameter / can.freeSpaceWavelength).higherModes;
  can.nearTe11Cutoff = can.guideWavelength > 2.0 * can.freeSpaceWavelength;
  return can;
}

std::vector<std::string> canWarnings(const CanCheck &check) {
  std::vector<std::string> warnings;
  if (!check.higherModes.empty())
    warnings.push_back(higherModesWarning(check));
  if (check.nearTe11Cutoff)
    warnings.push_back("close to the TE11 cutoff " + plainFigureText(check.te11CutoffMHz) +
                       " MHz: the guide wavelength is more than twice the free-space one, so the "
                       "probe position is critical; a wider can is easier");
  return warnings;
}

} // namespace dishwright
