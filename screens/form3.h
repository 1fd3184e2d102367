// The metric calculation screen: diameter in metres, mesh size in mm, profile in cm.
#pragma once

#include "screens/calculation_screen.h"

namespace dishwright {

class Form3 : public CalculationScreen {
  Q_OBJECT

public:
  Form3() : CalculationScreen(Units::Metric) {}
};

} // namespace dishwright
