#include "screens/calculation_screen.h"

#include "calc/screen_rules/dish_figures.h"

#include <QWidget>

namespace dishwright {
namespace {

struct Geometry {
  int left, top, width, height; // twips
};

// One row of the shared design: what differs between the imperial screen (2) and
// the metric one (3) stands side by side.
struct Row {
  const char *name2, *name3;
  Kind kind;
  Geometry at2, at3;
  int tab2, tab3;
  bool tabStop;
  const char *text2, *text3;
  FontSpec font;
  Colour foreground, background;
  bool centred;
  Field field = Field::None;
  Command command = Command::None;
};

constexpr Colour kGreen = Colour::LightGreen;
constexpr Colour kInk = Colour::WindowText;
constexpr Colour kNone = Colour::Default;
constexpr Colour kEditBack = Colour::WindowBackground;
constexpr FontSpec kCap = kCaptionFont;
constexpr FontSpec kNum = kNumberFont;
constexpr FontSpec kBtn = kDefaultFont;
constexpr Kind kText = Kind::Text;
constexpr Kind kButton = Kind::Button;

// "MAXIMIM" in the metric mesh caption is the screen's own text, misspelt as it
// always has been; the screens keep their texts exactly, so leave it.
// clang-format off
constexpr Row kRows[] = {
  // names               kind          imperial geometry          metric geometry         tab     stop   texts (imperial, metric)                                         font     fg                 bg        centred
  {"Picture1", "Picture1", Kind::Picture, {120, 120, 4815, 2655},  {0, 0, 4815, 2655},     0, 22, true,  ":/art/profile_diagram.png", ":/art/profile_diagram.png",     kBtn, kNone,             kNone,     false},
  {"Text41", "Text41",   kText,   {6720, 120, 975, 375},    {6600, 0, 975, 375},      17, 5,  false, "X AXIS", "X AXIS",                                                 kCap, Colour::Highlight, kGreen,    true},
  {"Text42", "Text42",   kText,   {7800, 120, 975, 375},    {7680, 0, 975, 375},      18, 4,  false, "Y AXIS", "Y AXIS",                                                 kCap, kInk,              kGreen,    true},
  {"List1", "List2",     Kind::List, {6720, 480, 2055, 1560}, {6600, 240, 2055, 1860}, 16, 6,  true,  "", "",                                                             kListFont, Colour::Highlight, kEditBack, false},
  {"Text1", "Text1",     kText,   {5040, 1320, 1575, 375},  {4920, 1200, 1575, 375},  19, 3,  false, "IN INCHES", "IN CMS",                                             kCap, kInk,              kGreen,    true},
  {"Command5", "Command5", kButton, {7080, 2160, 1455, 255}, {6840, 2280, 1335, 255}, 24, 24, true,  "Print X, Y", "PRINT X,Y",                                          kBtn, kNone,             kNone,     true, Field::None, Command::PrintList},
  {"Text30", "Text30",   kText,   {2880, 2880, 1095, 375},  {2760, 2760, 1095, 375},  2, 20,  true,  "0", "0",                                                           kNum, Colour::Blue,      Colour::White, false, Field::Diameter},
  {"Command2", "Command2", kButton, {5400, 2880, 2175, 495}, {5160, 2760, 2295, 495}, 23, 23, true,  "COFFEE CAN ANTENNA", "COFFEE CAN ANTENNA",                         kBtn, kNone,             kNone,     true, Field::None, Command::CoffeeCan},
  {"Command3", "Command3", kButton, {7680, 2880, 1215, 495}, {7560, 2760, 1215, 495}, 14, 8,  true,  "RETURN", "RETURN",                                                 kBtn, kNone,             kNone,     true, Field::None, Command::Return},
  {"Text29", "Text29",   kText,   {120, 3000, 2535, 255},   {0, 2880, 2535, 255},     1, 21,  false, "FOR A  DIAMETER OF", "FOR A  DIAMETER OF",                         kCap, kInk,              kGreen,    false},
  {"Text31", "Text31",   kText,   {4080, 3000, 1095, 285},  {3960, 2880, 1095, 285},  3, 19,  false, "", "",                                                             kCap, kInk,              kGreen,    false, Field::DiameterUnit},
  {"Text33", "Text33",   kText,   {2880, 3360, 1095, 375},  {2760, 3240, 1095, 375},  5, 17,  true,  "0", "0",                                                           kNum, Colour::Blue,      Colour::White, false, Field::Frequency},
  {"Text32", "Text32",   kText,   {120, 3480, 2655, 375},   {0, 3360, 2655, 375},     4, 18,  false, "AND A FREQUENCY OF", "AND A FREQUENCY OF",                         kCap, kInk,              kGreen,    false},
  {"Text34", "Text34",   kText,   {4080, 3480, 735, 255},   {3960, 3360, 735, 255},   6, 16,  false, "MHZ", "MHZ",                                                       kCap, kInk,              kGreen,    false},
  {"Command1", "Command1", kButton, {7680, 3600, 1215, 495}, {7560, 3480, 1215, 495}, 13, 9,  true,  "WEBSITE", "WEBSITE",                                               kBtn, kNone,             kNone,     true, Field::None, Command::Website},
  {"Text36", "Text36",   kText,   {4800, 3840, 1215, 375},  {4680, 3720, 1215, 375},  8, 14,  true,  "0", "0",                                                           kNum, Colour::Blue,      kEditBack, false, Field::MeshSize},
  {"Text35", "Text35",   kText,   {120, 3960, 4335, 285},   {0, 3840, 4335, 285},     7, 15,  false, "THE MAXIMUM MESH SIZE SHOULD BE", "THE MAXIMIM MESH SIZE SHOULD BE", kCap, kInk,              kGreen,    false},
  {"Text37", "Text37",   kText,   {6360, 3960, 1215, 255},  {6240, 3840, 1215, 255},  9, 13,  false, "INCHES", "INCHES",                                                 kCap, kInk,              kGreen,    false, Field::MeshUnit},
  {"Command4", "Command4", kButton, {7680, 4320, 1215, 495}, {7560, 4200, 1215, 495}, 15, 7,  true,  "EXIT", "EXIT",                                                     kBtn, kNone,             kNone,     true, Field::None, Command::Exit},
  {"Text39", "Text39",   kText,   {4800, 4440, 1215, 375},  {4680, 4320, 1215, 375},  11, 11, true,  "0", "0",                                                           kNum, Colour::Blue,      kEditBack, false, Field::Gain},
  {"Text38", "Text38",   kText,   {840, 4560, 3735, 375},   {720, 4440, 3735, 375},   10, 12, false, "AND THE GAIN WILL BE ABOUT", "AND THE GAIN WILL BE ABOUT",         kCap, kInk,              kGreen,    false},
  {"Text40", "Text40",   kText,   {6360, 4560, 615, 285},   {6240, 4440, 615, 285},   12, 10, false, "DB", "DB",                                                         kCap, kInk,              kGreen,    false},
  {"Text53", "Text53",   kText,   {4800, 5040, 1215, 405},  {4680, 4920, 1215, 405},  21, 1,  true,  "0", "0",                                                           kNum, Colour::Blue,      kEditBack, false, Field::Beamwidth},
  {"Text2", "Text2",     kText,   {240, 5160, 4335, 375},   {120, 5040, 4335, 375},   20, 2,  false, "HALF POWER BEAMWIDTH IS ", "HALF POWER BEAMWIDTH IS ",             kCap, kInk,              kGreen,    true},
  {"Text54", "Text54",   kText,   {6360, 5160, 1335, 285},  {6240, 5040, 1335, 285},  22, 0,  false, "DEGREES", "DEGREES",                                               kCap, kInk,              kGreen,    false},
};
// clang-format on

constexpr WindowSpec kImperialWindow{"Calculation", 9000, 5475, kGreen, false};
constexpr WindowSpec kMetricWindow{"METRIC", 8895, 5565, kGreen, false};

std::vector<ControlSpec> controlsFor(CalculationScreen::Units units) {
  const bool metric = units == CalculationScreen::Units::Metric;
  std::vector<ControlSpec> controls;
  for (const Row &r : kRows) {
    const Geometry &g = metric ? r.at3 : r.at2;
    controls.push_back({metric ? r.name3 : r.name2, r.kind, g.left, g.top, g.width, g.height,
                        metric ? r.tab3 : r.tab2, r.tabStop, metric ? r.text3 : r.text2, r.font,
                        r.foreground, r.background, r.centred, r.field, r.command});
  }
  return controls;
}

} // namespace

CalculationScreen::CalculationScreen(Units units)
    : Screen(units == Units::Metric ? kMetricWindow : kImperialWindow, controlsFor(units)),
      units_(units) {}

void CalculationScreen::calculate(DesignValues &values, FieldSink &fields) {
  if (units_ == Units::Metric)
    loadMetricScreen(values, fields);
  else
    loadImperialScreen(values, fields);
}

// The headings lie over the top of the list on the imperial screen; on the metric
// one the list lies over the headings' lower strip.
void CalculationScreen::arrange() {
  QWidget *list = control(units_ == Units::Metric ? "List2" : "List1");
  if (units_ == Units::Metric)
    list->raise();
  else
    list->lower();
}

} // namespace dishwright
