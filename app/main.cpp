// dishwright: the desktop program. It starts on the input screen.
#include "screen_set.h"
#include "screen_style.h"

#include <QApplication>

int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  dishwright::useScreenStyle();
  QApplication::setQuitOnLastWindowClosed(false); // the screen set decides when to end
  dishwright::ScreenSet screens;
  screens.openScreen(dishwright::ScreenId::Input);
  return QApplication::exec();
}
