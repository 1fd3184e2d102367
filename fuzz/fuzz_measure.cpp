// The builder's measurements on any text. The first byte picks what is measured,
// the rest is what a user typed or pasted:
//   0  "r z" lines for the surface fit (mm)
//   1  "DIA\nDEPTH" for a prime-focus dish
//   2  "WIDTH\nHEIGHT\nDEPTH" for an offset dish
//   3  "DIAMETER\nFREQ" for a can (inches)
// Properties: every input ends in figures or an InputError (nothing else is
// thrown); figures are finite and inside their ranges: a focus in front of the
// dish, a rim angle above 0 and at most 180 degrees (a dish far deeper than wide
// reaches 180 in doubles), an offset angle of at most 90 degrees, an RMS error
// that is not negative, a guide wavelength not shorter than the free-space one
// and a TM01 cutoff above the TE11 one.
#include "calc/common/decimal_text.h"
#include "calc/common/input_error.h"
#include "calc/physics/can_check.h"
#include "calc/physics/dish_measure.h"
#include "calc/physics/surface_fit.h"
#include "fuzz/checks.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using namespace dishwright;
using fuzz::check;

namespace {

std::vector<double> numbers(std::string_view text, std::size_t count) {
  std::vector<double> values;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t end = text.find('\n');
    values.push_back(readDecimal(text.substr(0, end), "size"));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return values;
}

bool finitePositive(double v) { return std::isfinite(v) && v > 0; }

void surface(std::string_view text) {
  const SurfaceFit fit = fitSurface(parseSurfacePoints(text), LengthUnit::Mm);
  check(fit.points >= 3, "a fit of fewer than 3 points");
  check(finitePositive(fit.focalLength) && finitePositive(fit.fd), "focus not in front");
  check(std::isfinite(fit.rmsError) && fit.rmsError >= 0, "RMS error out of range");
  check(fit.oneDbLossMHz > 0, "1 dB frequency not positive");
}

void prime(std::string_view text) {
  const std::vector<double> v = numbers(text, 2);
  const PrimeFocusDish dish = measurePrimeFocus(v[0], v[1]);
  check(finitePositive(dish.focalLength) && finitePositive(dish.fd), "focus not in front");
  check(dish.rimAngleDeg > 0 && dish.rimAngleDeg <= 180, "rim angle out of range");
  check(std::isfinite(dish.rimLossDb) && dish.rimLossDb >= 0, "rim loss out of range");
}

void offset(std::string_view text) {
  const std::vector<double> v = numbers(text, 3);
  const OffsetDish dish = measureOffset(v[0], v[1], v[2]);
  check(finitePositive(dish.focalLength) && finitePositive(dish.fd), "focus not in front");
  check(dish.offsetAngleDeg >= 0 && dish.offsetAngleDeg <= 90, "offset angle out of range");
  check(dish.nearRim < dish.farRim, "rims out of order");
}

void can(std::string_view text) {
  const std::vector<double> v = numbers(text, 2);
  const CanCheck c = checkCan(v[0], LengthUnit::Inch, v[1]);
  check(c.te11CutoffMHz < c.tm01CutoffMHz, "cutoffs out of order");
  check(c.guideWavelength >= c.freeSpaceWavelength, "guide wavelength shorter than in air");
  check(c.probePosition >= 0 && c.probeLength >= 0 && c.shortestCan >= 0, "negative size");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  if (size == 0)
    return 0;
  const std::string_view text(reinterpret_cast<const char *>(data) + 1, size - 1);
  try {
    switch (data[0]) {
    case '0':
      surface(text);
      break;
    case '1':
      prime(text);
      break;
    case '2':
      offset(text);
      break;
    case '3':
      can(text);
      break;
    default:
      break;
    }
  } catch (const InputError &) {
  }
  return 0;
}
