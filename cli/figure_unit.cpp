#include "cli/figure_unit.h"

#include <stdexcept>
#include <string>

namespace dishwright {

FigureUnit unitOfWord(std::string_view word) {
  for (const FigureUnit &unit :
       {kInches, kCentimetres, kMillimetres, kFeet, kMetres, kMegahertz, kDecibels,
        kDecibelsIsotropic, kDecibelsPerKelvin, kDegrees, kKelvin, kSolarFluxUnits})
    if (unit.word == word)
      return unit;
  throw std::logic_error("no figure unit has the word \"" + std::string(word) + "\"");
}

} // namespace dishwright
