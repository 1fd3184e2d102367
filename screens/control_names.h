// What a screen reader says for each control of the seven screens: a name that
// says what the control is and, for a figure, a description with its unit. The
// screens' tables hold positions and texts; this adds the words only, so nothing
// on a screen moves.
#pragma once

#include "screens/control_spec.h"

#include <QString>

class QWidget;

namespace dishwright {

struct ControlWords {
  QString name;        // "" to keep the toolkit's own (a button's caption)
  QString description; // the unit, or how to use the control
};

ControlWords controlWords(const ControlSpec &design);

// Gives `control` the words of `design`.
void nameControl(QWidget *control, const ControlSpec &design);

} // namespace dishwright
