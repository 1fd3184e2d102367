#include "decimal_text.h"

#include "input_error.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace dishwright {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isBlank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back()))
    text.remove_suffix(1);
  return text;
}

// Length of the digit run starting at `i`.
std::size_t digitsFrom(std::string_view s, std::size_t i) {
  std::size_t n = 0;
  while (i + n < s.size() && isDigit(s[i + n]))
    ++n;
  return n;
}

// True when `s` (blanks and sign already removed) is digits with at most one point,
// at least one digit, then an optional exponent. std::from_chars alone would also
// take "inf", "nan" and hexadecimal forms a user never means.
bool followsGrammar(std::string_view s) {
  std::size_t i = digitsFrom(s, 0);
  std::size_t mantissaDigits = i;
  if (i < s.size() && s[i] == '.') {
    const std::size_t frac = digitsFrom(s, i + 1);
    mantissaDigits += frac;
    i += 1 + frac;
  }
  if (mantissaDigits == 0)
    return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
      ++i;
    const std::size_t exp = digitsFrom(s, i);
    if (exp == 0)
      return false;
    i += exp;
  }
  return i == s.size();
}

// True when a text that from_chars found out of range is too large rather than too
// small: the decimal exponent of its first significant digit is positive.
bool beyondLargest(std::string_view s) {
  const std::size_t e = std::min(s.find_first_of("eE"), s.size());
  const std::string_view mantissa = s.substr(0, e);
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first = mantissa.find_first_of("123456789");
  long long magnitude = first < point ? static_cast<long long>(point - first - 1)
                                      : -static_cast<long long>(first - point);
  if (e < s.size()) {
    std::string_view digits = s.substr(e + 1);
    const bool negative = digits.front() == '-';
    if (digits.front() == '+' || digits.front() == '-')
      digits.remove_prefix(1);
    long long exponent = 0;
    if (std::from_chars(digits.data(), digits.data() + digits.size(), exponent).ec != std::errc())
      return !negative; // an exponent of thousands of digits decides alone
    magnitude += negative ? -exponent : exponent;
  }
  return magnitude > 0;
}

} // namespace

std::optional<double> decimalValue(std::string_view text) {
  std::string_view s = trimmed(text);
  bool negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  if (!followsGrammar(s))
    return std::nullopt;
  double value = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec == std::errc::result_out_of_range) {
    if (beyondLargest(s))
      return std::nullopt;
    value = 0; // below the smallest double: a zero, as a user would expect
  } else if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return negative ? -value : value;
}

double readDecimal(std::string_view text, std::string_view what) {
  if (const auto value = decimalValue(text))
    return *value;
  throw InputError("the " + std::string(what) + " \"" + std::string(text) + "\" is not a number");
}

} // namespace dishwright
