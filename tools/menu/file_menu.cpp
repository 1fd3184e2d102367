#include "tools/menu/file_menu.h"

#include <QAction>
#include <QDir>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMetaMethod>
#include <QShortcut>
#include <QWidget>

namespace dishwright {
namespace {

// The keys `window` answers itself: its shortcuts and its widgets' actions, the
// menus' entries aside.
QList<QKeySequence> keysOwnedBy(QWidget *window) {
  QList<QKeySequence> keys;
  for (const QShortcut *shortcut : window->findChildren<QShortcut *>())
    keys << shortcut->keys();
  QList<QWidget *> widgets = window->findChildren<QWidget *>();
  widgets << window;
  for (const QWidget *w : widgets)
    if (!qobject_cast<const QMenu *>(w) && !qobject_cast<const QMenuBar *>(w))
      for (const QAction *action : w->actions())
        keys << action->shortcuts();
  return keys;
}

} // namespace

FileMenu::FileMenu(QObject *parent) : QObject(parent) {}

bool FileMenu::handled(Entry entry) const {
  switch (entry) {
  case Open:
    return isSignalConnected(QMetaMethod::fromSignal(&FileMenu::openDesignRequested));
  case Save:
    return isSignalConnected(QMetaMethod::fromSignal(&FileMenu::saveDesignRequested));
  case SaveAs:
    return isSignalConnected(QMetaMethod::fromSignal(&FileMenu::saveDesignAsRequested));
  case Recent:
    return isSignalConnected(QMetaMethod::fromSignal(&FileMenu::recentDesignRequested));
  case EntryCount:
    break;
  }
  return false;
}

void FileMenu::connectNotify(const QMetaMethod &) { updateEntries(); }

// Qt holds this object's lock of its connections here, which asking whether a
// signal is connected takes again: the entries are updated once it is released.
void FileMenu::disconnectNotify(const QMetaMethod &) {
  QMetaObject::invokeMethod(this, &FileMenu::updateEntries, Qt::QueuedConnection);
}

void FileMenu::fill(QMenu *menu, QWidget *window) {
  const QList<QKeySequence> taken = keysOwnedBy(window);
  Filled filled;
  filled.window = window;
  const auto entry = [&](const QString &text, const QString &key, auto signal) {
    auto *action = new QAction(text, window);
    if (!taken.contains(QKeySequence(key)))
      action->setShortcut(QKeySequence(key));
    action->setAutoRepeat(false); // a held key opens one dialog
    connect(action, &QAction::triggered, this,
            [this, window, signal] { emit(this->*signal)(window); });
    menu->addAction(action);
    return action;
  };
  filled.entries[Open] =
      entry(tr("&Open design..."), QStringLiteral("Ctrl+O"), &FileMenu::openDesignRequested);
  filled.recentMenu = menu->addMenu(tr("&Recent designs"));
  filled.entries[Recent] = filled.recentMenu->menuAction();
  menu->addSeparator();
  filled.entries[Save] =
      entry(tr("&Save design"), QStringLiteral("Ctrl+S"), &FileMenu::saveDesignRequested);
  filled.entries[SaveAs] = entry(tr("Save design &as..."), QStringLiteral("Ctrl+Shift+S"),
                                 &FileMenu::saveDesignAsRequested);
  menu->addSeparator();
  auto *quit = new QAction(tr("&Quit"), window);
  if (!taken.contains(QKeySequence(QStringLiteral("Ctrl+Q"))))
    quit->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
  quit->setAutoRepeat(false);
  quit->setMenuRole(QAction::QuitRole);
  connect(quit, &QAction::triggered, this, [this, window] {
    if (quit_)
      quit_(window);
  });
  menu->addAction(quit);
  fillRecent(filled);
  filled_.removeIf([](const Filled &f) { return f.window.isNull(); });
  filled_.append(filled);
  updateEntries();
}

void FileMenu::setRecentDesigns(const QStringList &paths) {
  recent_ = paths;
  for (Filled &filled : filled_)
    fillRecent(filled);
  updateEntries();
}

void FileMenu::fillRecent(Filled &filled) {
  if (!filled.recentMenu)
    return;
  filled.recentMenu->clear();
  QWidget *window = filled.window;
  for (int i = 0; i < recent_.size(); ++i) {
    const QString path = recent_[i];
    // "&1 /home/builder/dish.dish": a digit to choose it by, then where it is.
    QAction *action = filled.recentMenu->addAction(
        tr("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path).replace('&', "&&")));
    connect(action, &QAction::triggered, this,
            [this, window, path] { emit recentDesignRequested(window, path); });
  }
}

void FileMenu::updateEntries() {
  for (const Filled &filled : filled_)
    for (int e = 0; e < EntryCount; ++e)
      if (QAction *action = filled.entries[e])
        action->setEnabled(handled(Entry(e)) && (e != Recent || !recent_.isEmpty()));
}

} // namespace dishwright
