// The input screen: f/D ratio, diameter and frequency, and the FEET and METERS
// buttons.
#pragma once

#include "screens/screen.h"

namespace dishwright {

class Form1 : public Screen {
  Q_OBJECT

public:
  Form1();

protected:
  void arrange() override;
};

} // namespace dishwright
