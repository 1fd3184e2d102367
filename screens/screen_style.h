// The widget style the screens were laid out in.
#pragma once

class QPalette;

namespace dishwright {

// Makes the classic "Windows" style the application's style: the screens'
// twip layout assumes its frames, bevels and button faces. The program, the
// tests and the benchmark all start with this call.
void useScreenStyle();

// The light palette the screens were designed on: the style's standard palette,
// whatever the desktop's theme. Every colour the screens' tables leave to the
// platform (text, field backgrounds, highlight, button faces) comes from it, so a
// dark desktop theme cannot put light text on their fixed light backgrounds.
QPalette screenPalette();

} // namespace dishwright
