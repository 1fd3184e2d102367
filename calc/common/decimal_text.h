// Double-precision numbers read from what a user typed, by the grammar the input
// screen uses: blanks around an optional sign, digits with at most one ".", an
// optional exponent ("e" or "E", optional sign, digits).
#pragma once

#include <optional>
#include <string_view>

namespace dishwright {

// The value of `text`, or nothing when it does not follow the grammar or its
// magnitude is beyond the double range.
std::optional<double> decimalValue(std::string_view text);

// The value of `text`; throws InputError naming the quantity `what` otherwise:
// the diameter "abc" is not a number, the depth "1e999" is too large for a number,
// the diameter "2,5" is not a number; a point is the decimal mark (2.5, not 2,5).
double readDecimal(std::string_view text, std::string_view what);

} // namespace dishwright
