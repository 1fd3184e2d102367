#include "screens/coffee_can_screen.h"

#include <QWidget>

namespace dishwright {
namespace {

constexpr WindowSpec kWindow{"WAVE GUIDE", 8925, 5610, Colour::LightCyan, false};

constexpr Colour kCyan = Colour::LightCyan;
constexpr Colour kInk = Colour::WindowText;
constexpr Colour kHi = Colour::Highlight;
constexpr Colour kBack = Colour::WindowBackground;
constexpr FontSpec kCap = kCaptionFont;
constexpr FontSpec kNum = kNumberFont;
constexpr Kind kText = Kind::Text;

// clang-format off
const std::vector<ControlSpec> kControls{
  // name      kind             left  top   width height tab stop  text                         font  fg            bg     centred  role
  {"Text25",   kText,           240,  240,  615,  285,  24, false, "FOR",                         kCap, kInk,         kCyan, false},
  {"Text24",   kText,           960,  120,  1455, 375,  23, true,  "0",                           kNum, Colour::Blue, kBack, false, Field::Frequency},
  {"Text26",   kText,           2520, 240,  615,  285,  25, false, "MHZ",                         kCap, kInk,         kCyan, false},
  {"Text1",    kText,           3120, 120,  5775, 375,   0, false, "THE INSIDE DIAMETER MUST BE WITHIN 7% OF", kCap, kInk, kCyan, true},
  {"Text2",    kText,           3600, 480,  975,  375,   1, true,  "0",                           kNum, kHi,          kBack, false, Field::CanDiameterInches},
  {"Text3",    kText,           4800, 600,  1335, 285,   2, false, "INCHES OR",                   kCap, kInk,         kCyan, true},
  {"Text4",    kText,           6480, 480,  975,  405,   3, true,  "0",                           kNum, kHi,          kBack, false, Field::CanDiameterCm},
  {"Text5",    kText,           7680, 600,  615,  285,   4, false, "CM",                          kCap, kInk,         kCyan, true},
  {"Text6",    Kind::MultiText, 120,  1080, 3135, 525,   5, false, "THE LENGTH SHOULD BE BETWEEN", kCap, kInk,        kCyan, true},
  {"Text7",    kText,           3600, 1080, 975,  375,   6, true,  "0",                           kNum, kHi,          kBack, false, Field::ShortestCanInches},
  {"Text9",    kText,           5160, 1200, 615,  285,   8, false, "AND",                         kCap, kInk,         kCyan, false},
  {"Text8",    kText,           6480, 1080, 975,  375,   7, true,  "0",                           kNum, kHi,          kBack, false, Field::LongestCanInches},
  {"Text10",   kText,           7680, 1200, 975,  285,   9, false, "INCHES",                      kCap, kInk,         kCyan, false},
  {"Text28",   kText,           3000, 1680, 495,  285,  28, false, "OR",                          kCap, kInk,         kCyan, false},
  {"Text16",   kText,           3600, 1560, 975,  375,  15, true,  "0",                           kNum, kHi,          kBack, false, Field::ShortestCanCm},
  {"Text27",   kText,           5160, 1680, 735,  285,  27, false, "AND",                         kCap, kInk,         kCyan, false},
  {"Text17",   kText,           6480, 1560, 975,  375,  16, true,  "0",                           kNum, kHi,          kBack, false, Field::LongestCanCm},
  {"Text18",   kText,           7680, 1680, 735,  285,  17, false, "CM",                          kCap, kInk,         kCyan, false},
  {"Text11",   kText,           0,    2400, 2895, 375,  10, false, "THE ANTENNA IS PLACED",       kCap, kInk,         kCyan, false},
  {"Text12",   kText,           3000, 2280, 975,  375,  11, true,  "0",                           kNum, kHi,          kBack, false, Field::ProbePositionInches},
  {"Text13",   kText,           4080, 2400, 1215, 285,  12, false, "INCHES or",                   kCap, kInk,         kCyan, false},
  {"Text14",   kText,           5400, 2280, 975,  405,  13, true,  "0",                           kNum, kHi,          kBack, false, Field::ProbePositionCm},
  {"Text15",   kText,           6480, 2400, 2295, 285,  14, false, "CM FROM THE BACK",            kCap, kInk,         kCyan, false},
  {"Text19",   kText,           0,    2880, 2895, 285,  18, false, "THE PROBE LENGTH IS",         kCap, kInk,         kCyan, false},
  {"Text20",   kText,           3000, 2760, 975,  375,  19, true,  "0",                           kNum, kHi,          kBack, false, Field::ProbeLengthInches},
  {"Text21",   kText,           4080, 2880, 1215, 285,  20, false, "INCHES or",                   kCap, kInk,         kCyan, false},
  {"Text22",   kText,           5400, 2760, 975,  375,  21, true,  "0",                           kNum, kHi,          kBack, false, Field::ProbeLengthCm},
  {"Text23",   kText,           6480, 2880, 1935, 285,  22, false, "CENTIMETERS",                 kCap, kInk,         kCyan, false},
  {"Picture1", Kind::Picture,   1080, 3360, 6615, 2055, 26, true,  ":/art/can_drawing.png",       kDefaultFont, Colour::Default, Colour::Default, false},
};
// clang-format on

} // namespace

CoffeeCanScreen::CoffeeCanScreen() : Screen(kWindow, kControls) {}

void CoffeeCanScreen::calculate(DesignValues &design, FieldSink &fields) {
  loadCoffeeCan(design, values_, fields);
}

// The long caption of the first line lies beneath the fields that overlap its edges.
void CoffeeCanScreen::arrange() { control("Text1")->lower(); }

} // namespace dishwright
