// The builder's tools, one row each: the entry the menus show, the key that
// opens it, the title of its window and how the window is made. The screens'
// menus, the tool windows' shortcuts, the tests and the bench all read this one
// table, so a new tool is one row here and a window class.
#pragma once

#include "tools/kit/design_seed.h"

#include <QKeySequence>
#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace dishwright {

struct ToolRow {
  QString menuText;      // the menu entry with its mnemonic: "&Templates..."
  QKeySequence shortcut; // opens the window from every screen and tool window
  QString title;         // the window's title: "Templates"
  // A new top-level window on `seed`, owned by the caller; nullptr when none.
  std::function<QWidget *(const DesignSeed &seed)> make;
  // Its inputs' key in a design file and in the memory between runs: never
  // translated, never changed once released.
  QString key;
  QString helpSection; // the manual's section about the window: "templates"

  // The window made and given its title.
  QWidget *open(const DesignSeed &seed) const;
};

// The tools in menu order. Their shortcuts are Ctrl+Shift+letter: Qt's standard
// keys (what text fields and tables do on X11, KDE, GNOME, Windows and macOS) use
// none of them, nor do the input methods' own keys (Ctrl+Shift+U and, in older
// IBus, Ctrl+Shift+E), nor the tool windows' own keys.
const std::vector<ToolRow> &toolTable();

} // namespace dishwright
