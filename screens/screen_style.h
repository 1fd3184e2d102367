// The widget style the screens were laid out in.
#pragma once

class QPalette;

namespace dishwright {

// Makes the classic "Windows" style the application's style: the screens'
// twip layout assumes its frames, bevels and button faces. The program, the
// tests and the benchmark all start with this call.
void useScreenStyle();

} // namespace dishwright
