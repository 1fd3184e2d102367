// The rows of the figures in "Feed and efficiency", in the order they are added:
// shared by the window's two source files.
#pragma once

#include "calc/common/units.h"
#include "tools/kit/tool_form.h"

namespace dishwright::feed_rows {

enum Row {
  RimAngle,
  EquivalentN,
  EdgeTaper,
  NearRimLevel,
  FarRimLevel,
  Spillover,
  Illumination,
  CrossPolarRow,
  Aperture,
  BestFdRow,
  BestAperture,
  BestAimRow,
  PhaseCentreRow,
  PhaseEfficiencyRow,
  Blockage,
  Surface,
  Total,
  Gain,
  RuleOfThumbGain
};

inline QString percent(double share) {
  return figure(kPercentPerRatio * share, QStringLiteral("%"));
}

} // namespace dishwright::feed_rows
