// dishwright: the desktop program. It starts on the input screen.
#include "screen_set.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
  QApplication::setQuitOnLastWindowClosed(false); // the screen set decides when to end
  dishwright::ScreenSet screens;
  screens.openScreen(dishwright::ScreenId::Input);
  return QApplication::exec();
}
