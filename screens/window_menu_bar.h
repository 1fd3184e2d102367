// The menu bar every window of the program carries: File, Tools and Help, in
// that order. The screens make it empty above their client area; the builder's
// tools fill it (tools/menu/window_menus.h) and put the same bar on their windows.
#pragma once

class QMenu;
class QMenuBar;
class QWidget;

namespace dishwright {

enum class WindowMenu { File, Tools, Help };

// A bar holding the three menus, without entries yet, owned by `window`.
QMenuBar *makeWindowMenuBar(QWidget *window);

// One of the three menus of a bar makeWindowMenuBar() made; nullptr for another bar.
QMenu *windowMenu(const QMenuBar *bar, WindowMenu which);

// Takes the Alt+letter off each of the bar's titles whose letter a control of
// `window` uses (a label's buddy, a button, a group box, a tab): the window's
// own keys stay as they were, and Alt alone still goes into the bar.
void yieldTakenMnemonics(QMenuBar *bar, const QWidget *window);

} // namespace dishwright
