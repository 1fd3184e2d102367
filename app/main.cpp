// dishwright: the desktop program. It starts on the input screen.
#include "app/startup.h"
#include "app/translations.h"
#include "screens/screen_set.h"
#include "screens/screen_style.h"
#include "tools/menu/builder_tools.h"
#include "tools/menu/design_actions.h"
#include "tools/menu/design_document.h"
#include "tools/menu/session_memory.h"
#include "tools/menu/tool_menu.h"

#include <QApplication>
#include <QSettings>

#include <memory>

int main(int argc, char *argv[]) {
  const dishwright::StartOptions start = dishwright::handleOptions(argc, argv);
  std::unique_ptr<QApplication> app;
  {
    dishwright::DisplayGuard guard;
    app = std::make_unique<QApplication>(argc, argv);
  }
  dishwright::installTranslations(*app);
  QGuiApplication::setDesktopFileName(QStringLiteral("dishwright"));
  // The memory between runs: ~/.config/dishwright/dishwright.conf.
  QCoreApplication::setOrganizationName(QStringLiteral("dishwright"));
  QCoreApplication::setApplicationName(QStringLiteral("dishwright"));
  dishwright::useScreenStyle();
  QApplication::setQuitOnLastWindowClosed(false); // the screen set decides when to end
  dishwright::ScreenSet screens;
  dishwright::ToolMenu tools(screens);
  dishwright::addBuilderTools(tools, screens);
  dishwright::DesignDocument document(screens, tools);
  dishwright::addDesignActions(document, tools.fileMenu());
  QSettings settings;
  // --fresh reads nothing and writes nothing: the next plain run finds what the
  // last plain run left.
  std::unique_ptr<dishwright::SessionMemory> memory;
  if (!start.fresh)
    memory = std::make_unique<dishwright::SessionMemory>(settings, document, screens, tools);
  screens.openScreen(dishwright::ScreenId::Input);
  if (memory)
    memory->recall();
  if (!start.designFile.isEmpty())
    document.open(start.designFile);
  const int status = QApplication::exec();
  if (memory)
    memory->store();
  return status;
}
