// The About box: the program's version, its licence, and where its formulas and
// its table of feeds come from.
#pragma once

class QMessageBox;
class QWidget;

namespace dishwright {

// Shows the box over `over` (window-modal; it deletes itself when closed) and
// returns it.
QMessageBox *showAbout(QWidget *over);

} // namespace dishwright
