// The input screen: f/D ratio, diameter and frequency, and the FEET and METERS
// buttons.
#pragma once

#include "screens/screen.h"

namespace dishwright {

class InputScreen : public Screen {
  Q_OBJECT

public:
  InputScreen();

protected:
  void arrange() override;
};

} // namespace dishwright
