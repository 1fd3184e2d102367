#include "screens/input_screen.h"

namespace dishwright {
namespace {

constexpr WindowSpec kWindow{"DISHWRIGHT", 8895, 6540, Colour::LightYellow, false};

// Lines end in CR LF, the last one too; the spaces and inch marks are part of the text.
constexpr const char *kAboutDishes = "Parabolic antennas are much easier to construct \r\n"
                                     "than you may believe. Engineers will tell you that \r\n"
                                     "a material under stress will bend to make a \r\n"
                                     "parabola. If you use a soft enough material like 1\" \r\n"
                                     "by 1\"  softwood and mount it to a center hub, you \r\n"
                                     "can string a cable around the outside ends. As \r\n"
                                     "you tighten the cable, the arms will bend into  the \r\n"
                                     "exact shape you need.\r\n";

constexpr const char *kDrawbacks = "Dishes are one of the highest gain antennas you \r\n"
                                   "can build but have two drawbacks. Because of the \r\n"
                                   "size and wind loading, you will not find them tower \r\n"
                                   "mounted.  Unless you live on high ground, you \r\n"
                                   "don't have the height for long distance. The \r\n"
                                   "second drawback is that 440 mhz is probably the \r\n"
                                   "lowest practical frequency.\r\n";

constexpr const char *kNote =
    "For transmitting dishes, the best focal length to diameter ratio is.5 or more\r\n";

constexpr FontSpec kBanner{18, true, true, false};
constexpr FontSpec kAsk{16, true, false, false};
constexpr Colour kYellow = Colour::LightYellow;
constexpr Colour kEditBack = Colour::WindowBackground;

// clang-format off
const std::vector<ControlSpec> kControls{
  // name       kind             left  top   width height tab stop   text                    font          fg                  bg         centred  role
  {"Picture1", Kind::Picture,    120,  120,  3255, 3735,  0, true,  ":/art/dish_photo.pgm", kDefaultFont, Colour::Default,    Colour::Default, false},
  {"Text1",    Kind::Text,       3600, 120,  5055, 495,   1, false, "PARABOLIC DESIGN by TREMIK", kBanner, Colour::Blue,       kYellow, false},
  {"Text2",    Kind::MultiText,  3480, 720,  5295, 2055,  2, false, kAboutDishes,           kCaptionFont, Colour::WindowText, kYellow, false},
  {"Text3",    Kind::MultiText,  3480, 3000, 5295, 1815,  3, false, kDrawbacks,             kCaptionFont, Colour::WindowText, kYellow, false},
  {"Text4",    Kind::MultiText,  120,  3960, 3135, 735,   4, false, kNote,                  kCaptionFont, Colour::Red,        kYellow, true},
  {"Text5",    Kind::Text,       120,  5040, 1695, 375,   5, false, "F/D RATIO",            kCaptionFont, Colour::Blue,       kYellow, true},
  {"Text7",    Kind::Text,       1920, 5040, 2655, 375,   7, false, "DIA FEET or METERS",   kCaptionFont, Colour::Blue,       kYellow, true},
  {"Text9",    Kind::Text,       4800, 5040, 1215, 375,   9, false, "FREQ MHZ",             kCaptionFont, Colour::Blue,       kYellow, true},
  {"Text11",   Kind::Text,       6480, 5040, 2055, 405,  13, false, "INPUT WAS IN?",        kAsk,         Colour::Highlight,  kYellow, false},
  {"Text6",    Kind::Text,       600,  5520, 735,  375,   6, true,  ".0",                   kNumberFont,  Colour::Highlight,  kEditBack, true, Field::FdRatio},
  {"Text8",    Kind::Text,       2640, 5520, 1215, 375,   8, true,  "0.0",                  kNumberFont,  Colour::Highlight,  kEditBack, true, Field::Diameter},
  {"Text10",   Kind::Text,       4800, 5520, 1215, 375,  10, true,  "0.0",                  kNumberFont,  Colour::Highlight,  kEditBack, true, Field::Frequency},
  {"Command1", Kind::Button,     6360, 5640, 975,  735,  11, true,  "FEET",                 kDefaultFont, Colour::Default,    Colour::Default, true, Field::None, Command::Feet},
  {"Command2", Kind::Button,     7800, 5640, 855,  735,  12, true,  "METERS",               kDefaultFont, Colour::Default,    Colour::Default, true, Field::None, Command::Meters},
};
// clang-format on

} // namespace

InputScreen::InputScreen() : Screen(kWindow, kControls) {}

// Typing at once goes into the f/D field; the photograph stays first in the Tab
// cycle, so Shift+Tab from the f/D field still reaches it.
void InputScreen::arrange() { setFirstFocus(control(Field::FdRatio)); }

} // namespace dishwright
