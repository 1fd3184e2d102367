#include "builder_tools.h"

#include "template_window.h"
#include "tool_menu.h"

namespace dishwright {

void addBuilderTools(ToolMenu &menu, ScreenSet &) {
  menu.addTool(QObject::tr("&Templates..."), QKeySequence(QStringLiteral("Ctrl+T")),
               [](const DesignSeed &seed) { return new TemplateWindow(seed); });
}

} // namespace dishwright
