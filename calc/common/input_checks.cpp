#include "calc/common/input_checks.h"

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

} // namespace dishwright
