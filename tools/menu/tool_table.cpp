#include "tools/menu/tool_table.h"

#include "tools/can_check/can_check_window.h"
#include "tools/feed/feed_window.h"
#include "tools/measure/measure_window.h"
#include "tools/sun/sun_window.h"
#include "tools/templates/template_window.h"

#include <QObject>

namespace dishwright {
namespace {

template <class Window> QWidget *make(const DesignSeed &seed) { return new Window(seed); }

} // namespace

QWidget *ToolRow::open(const DesignSeed &seed) const {
  QWidget *window = make(seed);
  if (window)
    window->setWindowTitle(title);
  return window;
}

// Ctrl+Shift+F (full screen on KDE, and Chinese input methods' switch) and
// Ctrl+Shift+U and E (the input methods' Unicode and emoji keys) are taken, so
// the feed is I (the dish's illumination) and the sun is Y (its Y-factor).
const std::vector<ToolRow> &toolTable() {
  static const std::vector<ToolRow> rows{
      {QObject::tr("&Templates..."), QKeySequence(QStringLiteral("Ctrl+Shift+T")),
       QObject::tr("Templates"), make<TemplateWindow>, QStringLiteral("templates"),
       QStringLiteral("templates")},
      {QObject::tr("&Measure a dish..."), QKeySequence(QStringLiteral("Ctrl+Shift+M")),
       QObject::tr("Measure a dish"), make<MeasureWindow>, QStringLiteral("measure"),
       QStringLiteral("measure")},
      {QObject::tr("Check a &can..."), QKeySequence(QStringLiteral("Ctrl+Shift+K")),
       QObject::tr("Check a can"), make<CanCheckWindow>, QStringLiteral("canCheck"),
       QStringLiteral("can-check")},
      {QObject::tr("&Feed and efficiency..."), QKeySequence(QStringLiteral("Ctrl+Shift+I")),
       QObject::tr("Feed and efficiency"), make<FeedWindow>, QStringLiteral("feed"),
       QStringLiteral("feed")},
      {QObject::tr("Check with the s&un..."), QKeySequence(QStringLiteral("Ctrl+Shift+Y")),
       QObject::tr("Check with the sun"), make<SunWindow>, QStringLiteral("sun"),
       QStringLiteral("sun")},
  };
  return rows;
}

} // namespace dishwright
