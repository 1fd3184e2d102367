// Whether the user has changed anything in a window since it was made: a field
// typed in, a number stepped, a choice made, a button pressed, a table's cells
// typed or pasted. What the program puts into the window itself (the gain one
// tool hands another) does not count.
#pragma once

#include <functional>

class QObject;

class QWidget;

namespace dishwright {

// Calls `edited` on each such change of the controls `window` holds now, for as
// long as `receiver` lives.
void watchUserEdits(QWidget *window, QObject *receiver, const std::function<void()> &edited);

} // namespace dishwright
