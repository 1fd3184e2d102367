// The input step of the FEET and METERS buttons.
#pragma once

#include "calc/screen_rules/design_values.h"
#include "calc/screen_rules/field_sink.h"

#include <string_view>

namespace dishwright {

// Reads the text of an input field (f/D ratio, diameter or frequency) as a single.
// A text that fails throws CalcError naming the field and its text:
// `the diameter "abc" is not a number`, `the frequency "1e39" is too large`.
float readInput(Field field, std::string_view text);

// Reads the f/D, diameter and frequency texts in that order, storing each value
// as soon as it is read. A text that fails stops the step there (CalcError), so
// the values before it are new and the rest keep their old contents.
void storeInputs(DesignValues &values, std::string_view fdText, std::string_view diaText,
                 std::string_view freqText);

} // namespace dishwright
