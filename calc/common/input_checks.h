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

// The flattest f/D a dish is taken to have: flatter, it is a plate, and the
// figures worked from it (a rim angle, a feed's angle) run out of doubles.
inline constexpr double kFlattestFd = 100;

// Throws InputError unless `fd` is one a dish can have (not above kFlattestFd),
// naming what made it: "these sizes make an f/D of 9.4e+307, flatter than any
// dish (100 at most)".
void requireDishFd(double fd, std::string_view madeBy);

} // namespace dishwright
