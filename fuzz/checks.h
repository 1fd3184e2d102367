// Helpers shared by the fuzz targets: how a violated property is reported, and
// the shape of the number texts the core writes.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace dishwright::fuzz {

// Prints what went wrong and aborts, so libFuzzer keeps the input as a crash.
[[noreturn]] inline void fail(const char *what, std::string_view detail = {}) {
  std::fprintf(stderr, "\n*** property violated: %s [%.*s]\n", what,
               static_cast<int>(detail.size()), detail.data());
  std::abort();
}

inline void check(bool ok, const char *what, std::string_view detail = {}) {
  if (!ok)
    fail(what, detail);
}

inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A text the core writes for a single: "0"; or plain notation, an optional "-",
// the whole part without leading zeros ("0" below one), an optional fraction
// without trailing zeros, at most seven significant digits, magnitude from
// 0.0001 up to 9999999; or exponent notation "-d.ddddddE+dd" with one leading
// non-zero digit, at most six fraction digits without trailing zeros and an
// exponent below -4 or above 6.
inline bool isNumberText(std::string_view t) {
  if (t == "0")
    return true;
  std::size_t i = 0;
  if (i < t.size() && t[i] == '-')
    ++i;
  const std::size_t intStart = i;
  while (i < t.size() && isDigit(t[i]))
    ++i;
  const std::string_view whole = t.substr(intStart, i - intStart);
  std::string_view frac;
  if (i < t.size() && t[i] == '.') {
    const std::size_t fracStart = ++i;
    while (i < t.size() && isDigit(t[i]))
      ++i;
    frac = t.substr(fracStart, i - fracStart);
    if (frac.empty() || frac.back() == '0')
      return false;
  }
  if (whole.empty() || (whole.size() > 1 && whole[0] == '0'))
    return false;

  if (i < t.size() && t[i] == 'E') {
    // Exponent notation: one non-zero digit before the point, six at most after it.
    if (whole.size() != 1 || whole[0] == '0' || frac.size() > 6)
      return false;
    if (t.size() - i != 4 || (t[i + 1] != '+' && t[i + 1] != '-') || !isDigit(t[i + 2]) ||
        !isDigit(t[i + 3]))
      return false;
    const int magnitude = (t[i + 2] - '0') * 10 + (t[i + 3] - '0');
    const int exponent = t[i + 1] == '-' ? -magnitude : magnitude;
    return exponent < -4 || exponent > 6;
  }
  if (i != t.size())
    return false;

  // Plain notation.
  if (whole == "0") {
    if (frac.empty())
      return false; // zero is written "0", and only unsigned
    const std::size_t lead = frac.find_first_not_of('0');
    return lead <= 3 && frac.size() - lead <= 7; // from 0.0001, seven digits
  }
  return whole.size() <= 7 && whole.size() + frac.size() <= 7;
}

// The significant digits of a number text, without leading or trailing zeros,
// and the decimal exponent of the first of them: "0.0125" gives "125" and -2.
inline void significantDigits(std::string_view t, std::string &digits, int &exponent) {
  if (!t.empty() && t[0] == '-')
    t.remove_prefix(1);
  const std::size_t e = t.find('E');
  exponent = e == std::string_view::npos ? 0 : std::atoi(std::string(t.substr(e + 1)).c_str());
  const std::string_view mantissa = t.substr(0, e);
  const std::size_t point = mantissa.find('.');
  const std::size_t wholeDigits = point == std::string_view::npos ? mantissa.size() : point;
  digits.clear();
  for (char c : mantissa)
    if (c != '.')
      digits += c;
  const std::size_t lead = digits.find_first_not_of('0');
  if (lead == std::string::npos) {
    digits.clear();
    return;
  }
  exponent += static_cast<int>(wholeDigits) - 1 - static_cast<int>(lead);
  digits.erase(0, lead);
  digits.erase(digits.find_last_not_of('0') + 1);
}

// Reading a text singleToText wrote and writing the value again gives the same
// text, with one exception: for a power of ten whose nearest single lies below
// it by more than half a seven-digit step of the decade below (1E-38 and 1E+28),
// the text comes back as the seven nines below it. A sweep over all 2^32
// singles found no other change, and the second text is always stable.
inline bool rereadTextAgrees(std::string_view first, std::string_view second) {
  if (first == second)
    return true;
  if ((first[0] == '-') != (second[0] == '-'))
    return false;
  std::string firstDigits, secondDigits;
  int firstExponent = 0, secondExponent = 0;
  significantDigits(first, firstDigits, firstExponent);
  significantDigits(second, secondDigits, secondExponent);
  return firstDigits == "1" && secondDigits == "9999999" && secondExponent == firstExponent - 1;
}

} // namespace dishwright::fuzz
