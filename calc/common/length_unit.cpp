#include "calc/common/length_unit.h"

#include "calc/common/units.h"

namespace dishwright {

double mmPerUnit(LengthUnit unit) {
  switch (unit) {
  case LengthUnit::Inch:
    return kMmPerInch;
  case LengthUnit::Cm:
    return 10.0;
  case LengthUnit::Mm:
    break;
  }
  return 1.0;
}

double convertLength(double length, LengthUnit from, LengthUnit to) {
  if (from == to)
    return length;
  return length * mmPerUnit(from) / mmPerUnit(to);
}

bool isMetric(LengthUnit unit) { return unit != LengthUnit::Inch; }

double dishUnitLength(double length, LengthUnit unit) {
  if (isMetric(unit))
    return convertLength(length, unit, LengthUnit::Mm) / kMmPerMetre;
  return length / kInchesPerFoot;
}

double speedOfLight(LengthUnit unit) {
  if (unit == LengthUnit::Inch)
    return kSpeedOfLightInchMHz;
  return kSpeedOfLightMmMHz / mmPerUnit(unit);
}

std::optional<LengthUnit> lengthUnitFromText(std::string_view text) {
  if (text == "in")
    return LengthUnit::Inch;
  if (text == "cm")
    return LengthUnit::Cm;
  if (text == "mm")
    return LengthUnit::Mm;
  return std::nullopt;
}

const char *lengthSymbol(LengthUnit unit) {
  switch (unit) {
  case LengthUnit::Inch:
    return "in";
  case LengthUnit::Cm:
    return "cm";
  case LengthUnit::Mm:
    break;
  }
  return "mm";
}

const char *lengthWord(LengthUnit unit) {
  switch (unit) {
  case LengthUnit::Inch:
    return "INCHES";
  case LengthUnit::Cm:
    return "CM";
  case LengthUnit::Mm:
    break;
  }
  return "MM";
}

DishSizeUnit dishSizeUnit(bool metric) {
  return metric ? DishSizeUnit::Metres : DishSizeUnit::Feet;
}

bool isMetric(DishSizeUnit unit) { return unit == DishSizeUnit::Metres; }

double metresPerUnit(DishSizeUnit unit) { return isMetric(unit) ? 1.0 : kMetresPerFoot; }

double mmPerUnit(DishSizeUnit unit) {
  return isMetric(unit) ? kMmPerMetre : kMmPerInch * kInchesPerFoot;
}

LengthUnit smallUnitOf(DishSizeUnit unit) {
  return isMetric(unit) ? LengthUnit::Mm : LengthUnit::Inch;
}

double smallUnitsPerUnit(DishSizeUnit unit) {
  return isMetric(unit) ? kMmPerMetre : kInchesPerFoot;
}

const char *dishSizeSymbol(DishSizeUnit unit) { return isMetric(unit) ? "m" : "ft"; }

const char *dishSizeWord(DishSizeUnit unit) { return isMetric(unit) ? "meters" : "feet"; }

std::optional<DishSizeUnit> dishSizeUnitFromText(std::string_view text) {
  if (text == "feet")
    return DishSizeUnit::Feet;
  if (text == "meters")
    return DishSizeUnit::Metres;
  return std::nullopt;
}

} // namespace dishwright
