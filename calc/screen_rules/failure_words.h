// The words a failure uses for the inputs it was working from.
#pragma once

#include "calc/screen_rules/calc_error.h"

#include <string>
#include <utility>

namespace dishwright {

// "the frequency is 2304 MHz", "the diameter is 4 feet" (or metres), "the f/D ratio
// is 0": each input as the screens show it.
std::string frequencyWords(float frequencyMHz);
std::string diameterWords(float diameter, bool metric);
std::string fdWords(float fd);

// Runs `steps`; a CalcError they throw is thrown again saying what was being worked
// out and, from `inputs()` (called only then), from which inputs.
template <class Steps, class Inputs>
void workingOut(const char *activity, Inputs &&inputs, Steps &&steps) {
  try {
    std::forward<Steps>(steps)();
  } catch (const CalcError &e) {
    throw e.whileWorkingOut(activity, inputs());
  }
}

} // namespace dishwright
