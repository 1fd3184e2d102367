// The checks every double-precision calculation makes of its inputs before it
// works with them, worded the same everywhere.
#pragma once

#include <string_view>

namespace dishwright {

// Throws InputError naming `what` unless `value` is a finite number greater
// than 0: "the depth must be greater than 0", "the f/D must be a finite number"
// (for an infinity or a NaN, which no typed text gives).
void requirePositive(double value, std::string_view what);

// Throws InputError naming `what` unless `value` is a finite number not below 0:
// "the blockage diameter must not be negative".
void requireNotNegative(double value, std::string_view what);

} // namespace dishwright
