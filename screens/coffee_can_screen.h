// The coffee-can feed screen: can diameter, length range, probe position and probe
// length for the stored frequency, in inches and centimetres.
#pragma once

#include "calc/screen_rules/coffee_can.h"
#include "screens/screen.h"

namespace dishwright {

class CoffeeCanScreen : public Screen {
  Q_OBJECT

public:
  CoffeeCanScreen();
  // The screen's own values; they outlive its window.
  const CoffeeCanValues &values() const { return values_; }

protected:
  void calculate(DesignValues &design, FieldSink &fields) override;
  void arrange() override;

private:
  CoffeeCanValues values_;
};

} // namespace dishwright
