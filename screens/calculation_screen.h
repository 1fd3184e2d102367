// The two calculation screens share one design: the dish's figures in sentence
// lines, the profile list and the buttons that lead on.
#pragma once

#include "screens/screen.h"

namespace dishwright {

class CalculationScreen : public Screen {
  Q_OBJECT

public:
  enum class Units { Imperial, Metric };
  explicit CalculationScreen(Units units);

protected:
  void calculate(DesignValues &values, FieldSink &fields) override;
  void arrange() override;

private:
  Units units_;
};

} // namespace dishwright
