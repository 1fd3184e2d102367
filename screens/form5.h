// The imperial profile print screen: the profile in six columns and a Print button.
#pragma once

#include "screens/screen.h"

namespace dishwright {

class Form5 : public Screen {
  Q_OBJECT

public:
  Form5();

protected:
  void calculate(DesignValues &values, FieldSink &fields) override;
};

} // namespace dishwright
