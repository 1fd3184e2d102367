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
  Spillover,
  Illumination,
  Aperture,
  BestFdRow,
  BestAperture,
  Blockage,
  Surface,
  Total,
  Gain,
  RuleOfThumbGain,
  CrossPolarRow,
  NearRimLevel,
  FarRimLevel,
  BestAimRow
};

inline QString percent(double share) {
  return figure(kPercentPerRatio * share, QStringLiteral("%"));
}

} // namespace dishwright::feed_rows
