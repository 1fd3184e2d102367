#include "calc/physics/guide_modes.h"

#include "calc/common/units.h"

namespace dishwright {

const char *modeName(HigherMode mode) {
  switch (mode) {
  case HigherMode::Tm01:
    return "TM01";
  case HigherMode::Te21:
    return "TE21";
  case HigherMode::Te01Tm11:
    break;
  }
  return "TE01/TM11";
}

double besselRoot(HigherMode mode) {
  switch (mode) {
  case HigherMode::Tm01:
    return kTm01BesselRoot;
  case HigherMode::Te21:
    return kTe21BesselRoot;
  case HigherMode::Te01Tm11:
    break;
  }
  return kTe01Tm11BesselRoot;
}

double cutoffWavelengths(double root) { return root / kPi; }

CanModes canModes(double diameterWavelengths) {
  CanModes modes;
  modes.diameterWavelengths = diameterWavelengths;
  modes.weak = diameterWavelengths < kCanWeakBelowWavelengths;
  for (const HigherMode mode : {HigherMode::Tm01, HigherMode::Te21, HigherMode::Te01Tm11})
    if (diameterWavelengths > cutoffWavelengths(besselRoot(mode)))
      modes.higherModes.push_back(mode);
  return modes;
}

CanModes canModes(double diameter, LengthUnit unit, double frequencyMHz) {
  return canModes(diameter * mmPerUnit(unit) * frequencyMHz / kSpeedOfLightMmMHz);
}

} // namespace dishwright
