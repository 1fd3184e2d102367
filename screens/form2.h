// The imperial calculation screen: diameter in feet, mesh size and profile in inches.
#pragma once

#include "screens/calculation_screen.h"

namespace dishwright {

class Form2 : public CalculationScreen {
  Q_OBJECT

public:
  Form2() : CalculationScreen(Units::Imperial) {}
};

} // namespace dishwright
