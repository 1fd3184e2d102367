// The design a builder's tool window starts from: the inputs of the screen whose
// menu opened it.
#pragma once

namespace dishwright {

struct DesignSeed {
  double fd = 0;           // focal length / diameter, ratio
  double diameter = 0;     // feet, or metres when `metric`
  bool metric = false;     // true when the design was entered in metres
  double frequencyMHz = 0; // operating frequency, MHz
};

} // namespace dishwright
