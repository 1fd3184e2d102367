// The grammar of every number a user types, in every front end: blanks around
// an optional sign, digits with at most one ".", an optional exponent ("e" or
// "E", optional sign, digits). The screens' single-precision reading and the
// tools' double-precision reading both split a text here.
#pragma once

#include <string>
#include <string_view>

namespace dishwright {

// The parts of a number text that follows the grammar.
struct NumberText {
  std::string_view body; // sign stripped, from the first digit or point
  bool negative = false;
  std::string_view intDigits;
  std::string_view fracDigits;
  long long exponent = 0; // saturated; only its sign and rough size matter
};

// Checks the grammar; false for any text that is not one number.
bool splitNumber(std::string_view text, NumberText &out);

// Whether a text is a number, could still become one as the user types on
// ("", "-", "1.", "2e-"), or cannot.
enum class NumberState { Number, Prefix, NotANumber };
NumberState numberState(std::string_view text);

// A typed text as a refusal quotes it, escaped (shown_text.h): "abc", or a pasted
// page cut to its start, "0000..." (40001 characters), with its length.
std::string quotedInput(std::string_view text);

// Decimal exponent of the leading non-zero digit: whether a value that does not
// fit the floating type is too large (>= 0) or too small.
long long leadingExponent(const NumberText &num);

} // namespace dishwright
