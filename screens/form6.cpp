#include "screens/form6.h"

#include "calc/screen_rules/profile.h"

namespace dishwright {
namespace {

constexpr WindowSpec kWindow{"Form6", 9210, 6615, Colour::Aqua, false};
constexpr Colour kNone = Colour::Default;

// The two buttons' names are the other way round from the imperial print screen's.
constexpr const char *kPrintButtonName = "Command1";
constexpr const char *kExitButtonName = "Command2";

// clang-format off
const std::vector<ControlSpec> kControls{
  // name      kind              left  top   width height tab stop  text     font          fg     bg     centred
  {"List1",    Kind::ColumnList, 120,  120,  9015, 5910,  0, true,  "",      kDefaultFont, kNone, kNone, false},
  {kPrintButtonName, Kind::Button, 2760, 6240, 1455, 255, 1, true,  "PRINT", kDefaultFont, kNone, kNone, true, Field::None, Command::Print},
  {kExitButtonName, Kind::Button,  5040, 6240, 1335, 255, 2, true,  "EXIT",  kDefaultFont, kNone, kNone, true, Field::None, Command::Exit},
};
// clang-format on

} // namespace

Form6::Form6() : Screen(kWindow, kControls) {}

void Form6::calculate(DesignValues &values, FieldSink &fields) { listMetricPrint(values, fields); }

} // namespace dishwright
