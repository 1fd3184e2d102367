// The two profile print screens share one design: the profile in six columns and
// a Print button; each keeps its own table of controls.
#pragma once

#include "screens/screen.h"

namespace dishwright {

class PrintScreen : public Screen {
  Q_OBJECT

public:
  enum class Units { Imperial, Metric };
  explicit PrintScreen(Units units);

  // The design the listing belongs to, for the heading of every printed page.
  QString heading() const;

protected:
  void calculate(DesignValues &values, FieldSink &fields) override;

private:
  Units units_;
};

} // namespace dishwright
