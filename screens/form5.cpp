#include "screens/form5.h"

#include "calc/screen_rules/profile.h"

namespace dishwright {
namespace {

constexpr WindowSpec kWindow{"Form5", 9150, 6330, Colour::Default, false};
constexpr Colour kNone = Colour::Default;

// The two buttons' names are the other way round from the metric print screen's.
constexpr const char *kPrintButtonName = "Command2";
constexpr const char *kExitButtonName = "Command1";

// clang-format off
const std::vector<ControlSpec> kControls{
  // name      kind              left  top   width height tab stop  text     font          fg     bg     centred
  {"List1",    Kind::ColumnList, 120,  120,  8895, 5520,  0, true,  "",      kDefaultFont, kNone, kNone, false},
  {kPrintButtonName, Kind::Button, 2760, 5880, 1215, 375, 2, true,  "Print", kDefaultFont, kNone, kNone, true, Field::None, Command::Print},
  {kExitButtonName, Kind::Button,  5160, 5880, 1575, 375, 1, true,  "EXIT",  kDefaultFont, kNone, kNone, true, Field::None, Command::Exit},
};
// clang-format on

} // namespace

Form5::Form5() : Screen(kWindow, kControls) {}

void Form5::calculate(DesignValues &values, FieldSink &fields) {
  listImperialPrint(values, fields);
}

} // namespace dishwright
