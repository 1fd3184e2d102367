// Puts the builder's tools into every screen's menu.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace dishwright {

class ScreenSet;
class ToolMenu;

// Asks `question` over `over` with Quit and Cancel: true for Quit.
using QuitQuestion = std::function<bool(QWidget *over, const QString &question)>;
// By default a message box, Cancel the default button.
bool askToQuit(QWidget *over, const QString &question);

// Adds the tools of toolTable() to `menu` and links their windows: a measured f/D
// the user takes goes into the input screen's f/D field. While measure windows
// hold points the user typed or pasted, ending the program asks `ask` first
// ("Quit and discard the 12 measured points?"); answered Quit, those
// windows then close without asking again.
void addBuilderTools(ToolMenu &menu, ScreenSet &screens, QuitQuestion ask = askToQuit);

} // namespace dishwright
