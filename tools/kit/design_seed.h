// The design a builder's tool window starts from: the inputs of the screen whose
// menu opened it.
#pragma once

#include "calc/common/length_unit.h"

namespace dishwright {

struct DesignSeed {
  double fd = 0;       // focal length / diameter, ratio
  double diameter = 0; // in `unit`
  DishSizeUnit unit = DishSizeUnit::Feet;
  double frequencyMHz = 0; // operating frequency, MHz
};

} // namespace dishwright
