#include "screens/print_screen.h"

#include "calc/screen_rules/number_text.h"
#include "calc/screen_rules/profile.h"

namespace dishwright {
namespace {

constexpr Colour kNone = Colour::Default;

constexpr WindowSpec kImperialWindow{"Form5", 9150, 6330, Colour::Default, false};
constexpr WindowSpec kMetricWindow{"Form6", 9210, 6615, Colour::Aqua, false};

// The two screens' buttons carry each other's names: Command2 prints on the
// imperial screen, Command1 on the metric one.
// clang-format off
const std::vector<ControlSpec> kImperialControls{
  // name      kind              left  top   width height tab stop  text     font          fg     bg     centred
  {"List1",    Kind::ColumnList, 120,  120,  8895, 5520,  0, true,  "",      kDefaultFont, kNone, kNone, false},
  {"Command2", Kind::Button,     2760, 5880, 1215, 375,   2, true,  "Print", kDefaultFont, kNone, kNone, true, Field::None, Command::Print},
  {"Command1", Kind::Button,     5160, 5880, 1575, 375,   1, true,  "EXIT",  kDefaultFont, kNone, kNone, true, Field::None, Command::Exit},
};

const std::vector<ControlSpec> kMetricControls{
  // name      kind              left  top   width height tab stop  text     font          fg     bg     centred
  {"List1",    Kind::ColumnList, 120,  120,  9015, 5910,  0, true,  "",      kDefaultFont, kNone, kNone, false},
  {"Command1", Kind::Button,     2760, 6240, 1455, 255,   1, true,  "PRINT", kDefaultFont, kNone, kNone, true, Field::None, Command::Print},
  {"Command2", Kind::Button,     5040, 6240, 1335, 255,   2, true,  "EXIT",  kDefaultFont, kNone, kNone, true, Field::None, Command::Exit},
};
// clang-format on

QString figure(float value) { return QString::fromStdString(singleToText(value)); }

} // namespace

PrintScreen::PrintScreen(Units units)
    : Screen(units == Units::Metric ? kMetricWindow : kImperialWindow,
             units == Units::Metric ? kMetricControls : kImperialControls),
      units_(units) {}

void PrintScreen::calculate(DesignValues &values, FieldSink &fields) {
  if (units_ == Units::Metric)
    listMetricPrint(values, fields);
  else
    listImperialPrint(values, fields);
}

QString PrintScreen::heading() const {
  const bool metric = units_ == Units::Metric;
  return QStringLiteral("f/D %1   diameter %2 %3   profile %4: radius....depth")
      .arg(figure(loadedWith().fd), figure(loadedWith().dia),
           metric ? QStringLiteral("METERS") : QStringLiteral("FEET"),
           metric ? QStringLiteral("IN CMS") : QStringLiteral("IN INCHES"));
}

} // namespace dishwright
