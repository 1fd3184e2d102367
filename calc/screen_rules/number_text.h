// Number-text rules: how field texts become numbers and numbers become texts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace dishwright {

// Reads a field text as one decimal number: optional blanks around an optional
// sign, digits with at most one ".", and an optional exponent ("E"/"e", optional
// sign, digits). Rounds to the nearest single, ties to even; a magnitude too small
// for a single reads as a zero of its sign.
// Throws CalcError: TypeMismatch for any other text, Overflow when the value
// rounds beyond the single range.
float textToSingle(std::string_view text);

// Shortest text of a single at seven significant digits: "0" for zero, plain
// notation ("0.5125868", "-0.005", "1234567") for rounded magnitudes from 0.0001
// up to but excluding 10,000,000, exponent notation ("1.234568E+07", "1E-05")
// otherwise.
std::string singleToText(float value);
// The same text, appended to `out` (for building list rows without temporaries).
void appendSingleText(std::string &out, float value);

// Decimal digits of a 32-bit signed value, "-" before a negative one.
std::string intToText(std::int32_t value);

// Rounds a single to three decimal places, halves to even, through double
// precision: 0.0625 gives 0.062, 0.1875 gives 0.188.
float roundThreePlaces(float value);

// Rounds a double to the nearest 32-bit signed whole number, halves to even
// (25.5 gives 26, 28.5 gives 28). Throws CalcError(Overflow) outside the range.
std::int32_t wholeNumber(double value);

namespace detail {
// Seven significant digits of |value| (rounded half to even) and the decimal
// exponent of the first: by std::to_chars, and by integer arithmetic for
// magnitudes from 1e-4 to below 2^23 (false outside them).
void sevenDigitsByToChars(float value, char digits[7], int &exponent);
bool sevenDigitsExact(float value, char digits[7], int &exponent);
} // namespace detail

} // namespace dishwright
