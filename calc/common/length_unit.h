// The length units a builder measures a dish or a can in, and the speed of light
// in each, so that every calculation can stay in the unit the user typed.
#pragma once

#include <optional>
#include <string_view>

namespace dishwright {

enum class LengthUnit { Inch, Cm, Mm };

// Millimetres in one `unit`: 25.4, 10 or 1.
double mmPerUnit(LengthUnit unit);
// A length in `from` expressed in `to`.
double convertLength(double length, LengthUnit from, LengthUnit to);
// True for cm and mm, false for inches.
bool isMetric(LengthUnit unit);
// A length measured in `unit` in the unit a whole dish's diameter is given in:
// metres for cm and mm, feet for inches (73 cm is 0.73 m, 30 in is 2.5 ft), by
// the exact factors only.
double dishUnitLength(double length, LengthUnit unit);
// Speed of light in `unit` x MHz; inches use the rounded 11802.85 the coffee-can
// rules of thumb are built on, the metric units the exact value.
double speedOfLight(LengthUnit unit);
// "in", "cm" or "mm": the symbol a length carries in a sentence or a window.
const char *lengthSymbol(LengthUnit unit);
// "INCHES", "CM" or "MM": the unit word of the command line's figure lines.
const char *lengthWord(LengthUnit unit);
// "in", "cm" or "mm" as typed on a command line; nothing for any other text.
std::optional<LengthUnit> lengthUnitFromText(std::string_view text);

} // namespace dishwright
