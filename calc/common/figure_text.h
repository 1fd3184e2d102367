// Texts of the figures the builder's tools print: double-precision results with a
// fixed number of significant digits, the same in every locale.
#pragma once

#include <string>

namespace dishwright {

// `value` rounded to `significant` digits (1 to 17), trailing zeros kept so that
// every printed figure carries the same precision: 480 gives "480.000",
// 0.41667 gives "0.416670". Magnitudes from 1e-5 up to but excluding 1e9 are
// written plainly, others in exponent notation ("1.23457e+09"); zero is "0".
// Always "." as the decimal point, whatever the locale.
std::string figureText(double value, int significant = 6);

} // namespace dishwright
