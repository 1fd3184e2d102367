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

} // namespace dishwright
