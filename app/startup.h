// What the program does before its first screen: its options, and a clear word
// when there is no display to show a screen on.
#pragma once

#include <QString>

namespace dishwright {

// How the program was asked to start.
struct StartOptions {
  bool fresh = false; // --fresh: without what earlier runs left, and leaving it as it is
  QString designFile; // a design file to open, "" for none
};

// Answers --help and --version (and refuses unknown options) on the terminal,
// then ends the program; returns when the program should start.
StartOptions handleOptions(int argc, char **argv);

// While it lives, a failure to reach the display ends the program with one line
// on standard error and status 1, instead of the toolkit's abort.
class DisplayGuard {
public:
  DisplayGuard();
  ~DisplayGuard();
  DisplayGuard(const DisplayGuard &) = delete;
  DisplayGuard &operator=(const DisplayGuard &) = delete;
};

} // namespace dishwright
