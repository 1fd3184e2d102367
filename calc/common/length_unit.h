// The units a builder measures in: the length units of a dish's small sizes or a
// can (inch, cm, mm), the units of a whole dish's size (feet or metres), and the
// speed of light in each, so that every calculation can stay in the unit the
// user typed. The one vocabulary of units for the core, the command line and
// every window.
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

// The units of a whole dish's size. A dish in feet has its small sizes (feed,
// blockage, surface error, template) in inches; one in metres, in millimetres.
enum class DishSizeUnit { Feet, Metres };

// Feet when `metric` is false, metres when it is true: the screens' two tables.
DishSizeUnit dishSizeUnit(bool metric);
// True for metres.
bool isMetric(DishSizeUnit unit);
// Metres in one `unit`: 0.3048 (exact) or 1.
double metresPerUnit(DishSizeUnit unit);
// Millimetres in one `unit`: 304.8 (exact) or 1000.
double mmPerUnit(DishSizeUnit unit);
// The small unit that goes with a dish size: inches with feet, mm with metres.
LengthUnit smallUnitOf(DishSizeUnit unit);
// Small units in one dish-size unit: 12 inches a foot, 1000 mm a metre.
double smallUnitsPerUnit(DishSizeUnit unit);
// "ft" or "m": the symbol a dish's size carries in a sentence or a window.
const char *dishSizeSymbol(DishSizeUnit unit);
// "feet" or "meters", as typed on a command line.
const char *dishSizeWord(DishSizeUnit unit);
// "feet" or "meters" as typed on a command line; nothing for any other text.
std::optional<DishSizeUnit> dishSizeUnitFromText(std::string_view text);

} // namespace dishwright
