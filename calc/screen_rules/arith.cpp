#include "calc/screen_rules/arith.h"

#include "calc/screen_rules/calc_error.h"

#include <cmath>

namespace dishwright {

double Arith::note(double result, double a, double b, bool byZero) {
  bool operandsFinite = std::isfinite(a) && std::isfinite(b);
  if (std::isnan(result) && !std::isnan(a) && !std::isnan(b))
    overflow_ = true; // invalid operation: 0/0, inf - inf, 0 * inf
  else if (std::isinf(result) && operandsFinite)
    (byZero ? divisionByZero_ : overflow_) = true;
  return result;
}

float Arith::store(double value) {
  // From FLT_MAX plus half an ulp on, round-to-nearest-even gives infinity.
  constexpr double kSingleOverflow = 0x1.ffffffp127;
  if (std::isfinite(value) && std::fabs(value) >= kSingleOverflow) {
    overflow_ = true;
    return std::copysign(HUGE_VALF, static_cast<float>(value > 0 ? 1 : -1));
  }
  return static_cast<float>(value);
}

double Arith::ln(double value) {
  if (!(value > 0))
    throw CalcError(ErrorKind::InvalidArgument);
  return std::log(value);
}

double Arith::sqrt(double value) {
  if (value < 0)
    throw CalcError(ErrorKind::InvalidArgument);
  return std::sqrt(value);
}

void Arith::test() {
  bool byZero = divisionByZero_, over = overflow_;
  divisionByZero_ = overflow_ = false;
  if (byZero)
    throw CalcError(ErrorKind::DivisionByZero);
  if (over)
    throw CalcError(ErrorKind::Overflow);
}

} // namespace dishwright
