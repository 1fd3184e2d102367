// Declarative description of a screen: its window and its controls, with every
// position and size in twips (1/1440 inch; 15 twips are one pixel at 96 dpi).
#pragma once

#include "calc/screen_rules/field_sink.h"

namespace dishwright {

enum class Kind {
  Text,      // single-line editable text field
  MultiText, // multi-line editable text field, wraps words, no scroll bars
  Button,
  List,       // one column, vertical scroll bar when needed
  ColumnList, // six columns filled top to bottom, horizontal scrolling only
  Picture,    // a bitmap drawn at its own size from the top-left corner
  Label,      // static text on the window, never takes focus
  Link,       // a label that opens the web page when clicked
};

enum class Colour {
  Default,          // the platform's own for this kind of control
  WindowText,       // default text colour of editable fields
  WindowBackground, // default background of editable fields
  Highlight,        // the platform's selection highlight
  Blue,             // RGB 0, 0, 255
  Red,              // RGB 255, 0, 0
  White,            // RGB 255, 255, 255
  LightYellow,      // RGB 255, 255, 192
  LightGreen,       // RGB 192, 255, 192
  LightCyan,        // RGB 192, 255, 255
  Aqua,             // RGB 128, 255, 255
};

// A font of the "MS Sans Serif" design, as pixel sizes at 96 dpi so that the layout
// holds at any desktop dpi: 8.25 pt = 11 px, 9.75 pt = 13 px, 12 pt = 16 px,
// 13.5 pt = 18 px.
struct FontSpec {
  int pixelSize;
  bool bold;
  bool italic;
  bool underline;
};

constexpr FontSpec kDefaultFont{11, false, false, false}; // buttons, lists, labels
constexpr FontSpec kCaptionFont{13, true, false, false};  // 9.75 pt bold
constexpr FontSpec kNumberFont{18, true, false, false};   // 13.5 pt bold
constexpr FontSpec kListFont{16, true, false, false};     // 12 pt bold

// What pressing a button or the link does; None for every other control.
enum class Command {
  None,
  Feet,      // store the inputs, open the imperial calculation screen
  Meters,    // store the inputs, open the metric calculation screen
  Website,   // open the web link screen
  CoffeeCan, // open the coffee-can screen
  Return,    // bring the input screen forward
  Exit,      // end the program
  PrintList, // open the print screen of the calculation screen's units
  Print,     // print this screen
  OpenLink,  // ask the desktop to open the author's page
};

// Tab: the control's place in the tab order; -1 for controls that never take
// focus. Controls without a tab stop are skipped by Tab but take a click.
struct ControlSpec {
  const char *name;
  Kind kind;
  int left, top, width, height; // twips, outer size, border included
  int tab;
  bool tabStop;
  const char *text; // design text or caption; for a picture, its resource path
  FontSpec font;
  Colour foreground, background;
  bool centred;
  Field field = Field::None;       // what a calculation writes here, or reads from here
  Command command = Command::None; // what a click does
};

struct WindowSpec {
  const char *title;
  int clientWidth, clientHeight;     // twips
  Colour background;                 // Default: the platform's window face colour
  bool fixedFrame;                   // no resizing, no maximise box
  int fixedLeft = -1, fixedTop = -1; // twips from the screen's corner; -1: the system's choice
};

constexpr int twipsToPixels(int twips) { return twips / 15; }

} // namespace dishwright
