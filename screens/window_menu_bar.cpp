#include "screens/window_menu_bar.h"

#include <QMenu>
#include <QMenuBar>
#include <QObject>

namespace dishwright {
namespace {

const char *objectNameOf(WindowMenu which) {
  switch (which) {
  case WindowMenu::File:
    return "fileMenu";
  case WindowMenu::Tools:
    return "toolsMenu";
  case WindowMenu::Help:
    return "helpMenu";
  }
  return "";
}

} // namespace

QMenuBar *makeWindowMenuBar(QWidget *window) {
  auto *bar = new QMenuBar(window);
  bar->setObjectName(QStringLiteral("menuBar"));
  bar->setAccessibleName(QObject::tr("Menu bar"));
  const QString titles[] = {QObject::tr("&File"), QObject::tr("&Tools"), QObject::tr("&Help")};
  const WindowMenu menus[] = {WindowMenu::File, WindowMenu::Tools, WindowMenu::Help};
  for (int i = 0; i < 3; ++i) {
    QMenu *menu = bar->addMenu(titles[i]);
    menu->setObjectName(QLatin1String(objectNameOf(menus[i])));
  }
  return bar;
}

QMenu *windowMenu(const QMenuBar *bar, WindowMenu which) {
  return bar ? bar->findChild<QMenu *>(QLatin1String(objectNameOf(which)),
                                       Qt::FindDirectChildrenOnly)
             : nullptr;
}

} // namespace dishwright
