// The web link's mouse pointer, from the pictures compiled into the program.
#pragma once

#include <QCursor>

namespace dishwright {

// The two-colour pointing hand, its hot spot on the tip of the index finger.
QCursor linkCursor();

} // namespace dishwright
