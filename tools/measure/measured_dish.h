// A dish measured in "Measure a dish", as a page hands it on to the feed window.
#pragma once

#include "calc/common/length_unit.h"

#include <QString>

namespace dishwright {

struct MeasuredDish {
  double fd = 0;       // the f/D a feed for a round dish sees, ratio
  double diameter = 0; // across the aperture the feed lights, `unit`
  LengthUnit unit = LengthUnit::Mm;
  QString which; // which dish, in words: "measured offset dish, 73 x 80 cm (width as diameter)"
};

} // namespace dishwright
