// The units the command line prints its figures in: each as the text output has
// always written it ("DB", "INCHES") and as machine-read output gives it ("dB",
// "in"). A figure without a unit (a ratio, a count) has kNoUnit.
#pragma once

#include <string_view>

namespace dishwright {

struct FigureUnit {
  std::string_view word;   // in the text output, after the value: "DB"
  std::string_view symbol; // in JSON and CSV: "dB"
  bool none() const { return word.empty(); }
};

inline constexpr FigureUnit kNoUnit{"", ""};
inline constexpr FigureUnit kInches{"INCHES", "in"};
inline constexpr FigureUnit kCentimetres{"CM", "cm"};
inline constexpr FigureUnit kMillimetres{"MM", "mm"};
inline constexpr FigureUnit kFeet{"FEET", "ft"};
inline constexpr FigureUnit kMetres{"METERS", "m"};
inline constexpr FigureUnit kMegahertz{"MHZ", "MHz"};
inline constexpr FigureUnit kDecibels{"DB", "dB"};
inline constexpr FigureUnit kDecibelsIsotropic{"DBI", "dBi"};
inline constexpr FigureUnit kDecibelsPerKelvin{"DB/K", "dB/K"};
inline constexpr FigureUnit kDegrees{"DEGREES", "deg"};
inline constexpr FigureUnit kWavelengths{"WAVELENGTHS", "wavelengths"};
inline constexpr FigureUnit kKelvin{"K", "K"};
inline constexpr FigureUnit kSolarFluxUnits{"SFU", "SFU"};

// The unit whose text word the core gave ("INCHES", "MM", "FEET", "METERS" ...).
// Throws std::logic_error for a word no unit here has: a new word is added above.
FigureUnit unitOfWord(std::string_view word);

} // namespace dishwright
