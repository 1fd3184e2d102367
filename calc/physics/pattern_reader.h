// A measured or simulated feed pattern read from text, one line at a time, so
// that a window can read a paste as it arrives and stop at the first bad line.
#pragma once

#include "calc/physics/feed_pattern.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace dishwright {

// The most lines a pattern may have, comments and blanks included. A pattern
// listed every 0.01 degree from 0 to 180 has 18,001 lines and no measured one
// comes near; past this the file is not a pattern, or an endless stream, and the
// reading stops before it eats the machine's memory (100,000 levels take 2.4 MB).
inline constexpr std::size_t kPatternMostLines = 100000;
// The most bytes a pattern may have, each line counted with its line break:
// about 170 a line at the most lines, so that long comment lines end as soon.
inline constexpr std::size_t kPatternMostBytes = std::size_t{16} << 20;

// Lines "angle E_dB [H_dB [E_phase [H_phase]]]": the angle off the feed's axis
// (degrees, from 0 strictly rising to at most 180), the E- and H-plane levels
// (dB; H = E when absent) and, on every line or on none, their phases (degrees,
// rising away from the axis for a phase centre behind the reference point; H = E
// when absent), separated by blanks, tabs, commas or semicolons. Everything from a
// `#` on is a comment; blank lines are skipped. Numbers follow the input
// screen's grammar, a point as the decimal mark.
class PatternReader {
public:
  // Reads the next line (without its line break). Throws InputError naming the
  // line by its number, counted from 1 over every line given, comments and
  // blanks included: line 4: the angle 30 does not rise above the 40 before it.
  void addLine(std::string_view line);
  // The pattern of the lines read. Throws InputError for fewer than two levels.
  FeedPattern finish() const;

private:
  std::size_t lineNumber_ = 0;
  std::size_t bytes_ = 0;
  std::vector<PatternLevel> levels_;
  std::vector<PatternPhase> phases_; // one a level, or none
  std::string lastAngle_;            // as typed, for the words of an angle that does not rise
};

// Every line of `text` through a PatternReader: the whole-text form for a
// command line or a file.
FeedPattern readPattern(std::string_view text);

} // namespace dishwright
