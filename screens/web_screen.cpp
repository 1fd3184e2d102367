#include "screens/web_screen.h"

#include "art/link_cursor.h"

#include <QWidget>

#ifndef DISHWRIGHT_WEB_ADDRESS
#define DISHWRIGHT_WEB_ADDRESS "http://tremik.example"
#endif

namespace dishwright {
namespace {

// Fixed size and fixed place: the client area's corner at 2130, 1695 twips.
constexpr WindowSpec kWindow{"Web Page Link", 3315, 1845, Colour::Default, true, 2130, 1695};
constexpr FontSpec kLinkFont{11, false, false, true};
constexpr Colour kNone = Colour::Default;

// clang-format off
const std::vector<ControlSpec> kControls{
  // name        kind         left top   width height tab  stop   text                                                 font          fg            bg     centred
  {"Label1",     Kind::Label, 525, 75,   2265, 390,   -1, false, "The link will be opened in your default browser.", kDefaultFont, kNone,        kNone, true},
  {"Label2",     Kind::Label, 450, 750,  2490, 345,   -1, false, "Click Link Below to ",                              kDefaultFont, kNone,        kNone, true},
  {"lblWebPage", Kind::Link,  525, 1335, 2205, 255,   -1, false, DISHWRIGHT_WEB_ADDRESS,                              kLinkFont,    Colour::Blue, kNone, false, Field::None, Command::OpenLink},
};
// clang-format on

} // namespace

QString webPageAddress() { return QStringLiteral(DISHWRIGHT_WEB_ADDRESS); }

WebScreen::WebScreen() : Screen(kWindow, kControls) {}

void WebScreen::arrange() { control("lblWebPage")->setCursor(linkCursor()); }

} // namespace dishwright
