#include "tools/builder_tools.h"

#include "calc/common/figure_text.h"
#include "screens/screen_set.h"
#include "tools/can_check_window.h"
#include "tools/feed_window.h"
#include "tools/measure_window.h"
#include "tools/sun_window.h"
#include "tools/template_window.h"
#include "tools/tool_menu.h"

namespace dishwright {
void addBuilderTools(ToolMenu &menu, ScreenSet &screens) {
  menu.addTool(QObject::tr("&Templates..."), QKeySequence(QStringLiteral("Ctrl+T")),
               [](const DesignSeed &seed) { return new TemplateWindow(seed); });
  menu.addTool(
      QObject::tr("&Measure a dish..."), QKeySequence(QStringLiteral("Ctrl+M")),
      [&screens](const DesignSeed &seed) {
        auto *window = new MeasureWindow(seed);
        QObject::connect(window, &MeasureWindow::fdChosen, &screens, [&screens](double fd) {
          screens.putInput(Field::FdRatio, QString::fromStdString(figureText(fd, kFdDigits)));
        });
        return window;
      });
  menu.addTool(QObject::tr("Check a &can..."), QKeySequence(QStringLiteral("Ctrl+K")),
               [](const DesignSeed &seed) { return new CanCheckWindow(seed); });
  menu.addTool(QObject::tr("&Feed and efficiency..."), QKeySequence(QStringLiteral("Ctrl+E")),
               [](const DesignSeed &seed) { return new FeedWindow(seed); });
  menu.addTool(QObject::tr("Check with the s&un..."), QKeySequence(QStringLiteral("Ctrl+U")),
               [](const DesignSeed &seed) { return new SunWindow(seed); });
}

} // namespace dishwright
