// The metric profile print screen: the profile in six columns and a PRINT button.
#pragma once

#include "screens/screen.h"

namespace dishwright {

class Form6 : public Screen {
  Q_OBJECT

public:
  Form6();

protected:
  void calculate(DesignValues &values, FieldSink &fields) override;
};

} // namespace dishwright
