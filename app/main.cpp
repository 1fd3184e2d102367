// dishwright: the desktop program. It starts on the input screen.
#include "app/startup.h"
#include "screens/screen_set.h"
#include "screens/screen_style.h"
#include "tools/menu/builder_tools.h"
#include "tools/menu/tool_menu.h"

#include <QApplication>

#include <memory>

int main(int argc, char *argv[]) {
  dishwright::handleOptions(argc, argv);
  std::unique_ptr<QApplication> app;
  {
    dishwright::DisplayGuard guard;
    app = std::make_unique<QApplication>(argc, argv);
  }
  QGuiApplication::setDesktopFileName(QStringLiteral("dishwright"));
  dishwright::useScreenStyle();
  QApplication::setQuitOnLastWindowClosed(false); // the screen set decides when to end
  dishwright::ScreenSet screens;
  dishwright::ToolMenu tools(screens);
  dishwright::addBuilderTools(tools, screens);
  screens.openScreen(dishwright::ScreenId::Input);
  return QApplication::exec();
}
