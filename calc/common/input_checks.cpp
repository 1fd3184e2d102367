#include "calc/common/input_checks.h"

#include "calc/common/figure_text.h"
#include "calc/common/input_error.h"

#include <cmath>
#include <string>

namespace dishwright {

void requirePositive(double value, std::string_view what) {
  if (!std::isfinite(value))
    throw InputError("the " + std::string(what) + " must be a finite number");
  if (!(value > 0))
    throw InputError("the " + std::string(what) + " must be greater than 0");
}

void requireNotNegative(double value, std::string_view what) {
  if (!std::isfinite(value))
    throw InputError("the " + std::string(what) + " must be a finite number");
  if (value < 0)
    throw InputError("the " + std::string(what) + " must not be negative");
}

void requireDishFd(double fd, std::string_view madeBy) {
  if (fd > kFlattestFd)
    throw InputError(std::string(madeBy) + " make an f/D of " + plainFigureText(fd) +
                     ", flatter than any dish (" + plainFigureText(kFlattestFd) + " at most)");
}

} // namespace dishwright
