// The input step of the FEET and METERS buttons.
#pragma once

#include "design_values.h"

#include <string_view>

namespace dishwright {

// Reads the f/D, diameter and frequency texts in that order, storing each value
// as soon as it is read. A text that fails stops the step there (CalcError), so
// the values before it are new and the rest keep their old contents.
void storeInputs(DesignValues &values, std::string_view fdText, std::string_view diaText,
                 std::string_view freqText);

} // namespace dishwright
