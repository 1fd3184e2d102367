// One figure a command prints: its name for scripts, its value as the text
// output shows it, and its unit. The text, CSV and JSON outputs are all made
// from the same figures (report.h), so a figure is worked out and rounded once.
#pragma once

#include "cli/figure_unit.h"

#include <string>
#include <string_view>
#include <vector>

namespace dishwright {

struct Figure {
  enum class Kind {
    Number, // a decimal number: JSON has the number the text shows
    Count,  // a whole number: JSON has an integer
    Words,  // words, such as a verdict: JSON has a string
    None,   // no value ("never"): JSON null, CSV empty; the text shows `text`
  };
  // Where a figure at the end of a searched range lies: the text adds " or
  // below" / " or above", JSON "bound": "at most" / "at least".
  enum class Bound { Exact, AtMost, AtLeast };

  std::string key; // JSON and CSV name: "mesh_size"
  Kind kind = Kind::Number;
  std::string text; // as the text output shows the value: "0.5125868", "12"
  FigureUnit unit = kNoUnit;
  bool unitShown = true; // false where the text gives the unit once for two values
  Bound bound = Bound::Exact;

  // `value` to `digits` significant digits (figure_text.h).
  static Figure number(std::string key, double value, FigureUnit unit, int digits);
  // A number whose text the core wrote (the screens' single-precision figures).
  static Figure shown(std::string key, std::string_view text, FigureUnit unit);
  static Figure count(std::string key, long long value);
  static Figure words(std::string key, std::string_view text);
  static Figure none(std::string key, std::string_view text, FigureUnit unit);

  // What the text output writes: the value, then its unit word and bound.
  std::string textShown() const;
};

// A line of the text output: "label: " then its parts, one blank apart. A part
// is a figure or fixed words ("to", "FROM THE BACK") that only the text shows.
struct ReportLine {
  struct Part {
    bool isFigure;
    Figure figure;     // when isFigure
    std::string words; // otherwise
  };
  std::string label;
  std::vector<Part> parts;
};

// The name scripts read for a label: lower case, "/" dropped, every other run of
// characters that are not letters or digits one "_": "mesh size" is
// "mesh_size", "best f/D" "best_fd", "TE11 cutoff" "te11_cutoff".
std::string keyOfLabel(std::string_view label);

} // namespace dishwright
