// The number texts and roundings of number_text.h on arbitrary bit patterns:
// bytes 0-3 are a single for singleToText and roundThreePlaces, bytes 4-11 a
// double for wholeNumber. The references are glibc's printf and strtof, which
// convert exactly and round halves to even.
#include "calc/screen_rules/calc_error.h"
#include "calc/screen_rules/number_text.h"
#include "fuzz/checks.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace dishwright;
using fuzz::check;
using fuzz::fail;

namespace {

std::uint32_t bits(float f) {
  std::uint32_t u;
  std::memcpy(&u, &f, sizeof u);
  return u;
}

// The text singleToText should write, built from printf's seven digits.
std::string referenceText(float value) {
  if (value == 0)
    return "0";
  char sci[48];
  std::snprintf(sci, sizeof sci, "%.6e", std::fabs(static_cast<double>(value)));
  std::string digits = std::string(1, sci[0]) + std::string(sci + 2, 6); // d.dddddde±XX
  const int exponent = std::atoi(sci + 9);
  while (digits.size() > 1 && digits.back() == '0')
    digits.pop_back();

  std::string text = value < 0 ? "-" : "";
  if (exponent < -4 || exponent > 6) {
    text += digits.substr(0, 1);
    if (digits.size() > 1)
      text += "." + digits.substr(1);
    char e[8];
    std::snprintf(e, sizeof e, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    return text + e;
  }
  if (exponent < 0)
    return text + "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
  if (digits.size() <= whole)
    return text + digits + std::string(whole - digits.size(), '0');
  return text + digits.substr(0, whole) + "." + digits.substr(whole);
}

void checkSingle(float value) {
  const std::string text = singleToText(value);
  check(fuzz::isNumberText(text), "singleToText wrote a malformed text", text);
  check(text == referenceText(value), "singleToText differs from printf's seven digits",
        text + " / " + referenceText(value));
  std::string appended = "12....";
  appendSingleText(appended, value);
  check(appended == "12...." + text, "appendSingleText differs from singleToText", appended);

  if (value != 0) {
    char exact[7], byChars[7];
    int exactExponent = 0, byCharsExponent = 0;
    detail::sevenDigitsByToChars(value, byChars, byCharsExponent);
    if (detail::sevenDigitsExact(value, exact, exactExponent))
      check(std::memcmp(exact, byChars, 7) == 0 && exactExponent == byCharsExponent,
            "the integer seven digits differ from std::to_chars", text);
  }

  float again = 0;
  try {
    again = textToSingle(text);
  } catch (const CalcError &) {
    fail("a text singleToText wrote could not be read back", text);
  }
  const std::string second = singleToText(again);
  check(fuzz::rereadTextAgrees(text, second), "the text of a value read back differs",
        text + " -> " + second);
  check(second == text || singleToText(textToSingle(second)) == second,
        "the text of a value read back twice differs", second);

  // Three places, halves to even: printf rounds the exact value the same way,
  // and strtof takes the result to the nearest single.
  char places[64];
  std::snprintf(places, sizeof places, "%.3f", static_cast<double>(value));
  const float rounded = roundThreePlaces(value);
  check(bits(rounded) == bits(std::strtof(places, nullptr)), "roundThreePlaces differs", places);
}

void checkWholeNumber(double value) {
  bool inRange = false;
  double expected = 0;
  if (std::isfinite(value)) {
    const double below = std::floor(value);
    const double part = value - below; // exact
    const bool toUpper = part > 0.5 || (part == 0.5 && std::fmod(below, 2.0) != 0);
    expected = toUpper ? below + 1 : below;
    inRange = expected >= -2147483648.0 && expected <= 2147483647.0;
  }
  char shown[48];
  std::snprintf(shown, sizeof shown, "%.17g", value);
  try {
    const std::int32_t got = wholeNumber(value);
    check(inRange && static_cast<double>(got) == expected, "wholeNumber rounded wrongly", shown);
  } catch (const CalcError &e) {
    check(e.kind() == ErrorKind::Overflow, "wholeNumber failed with another kind", shown);
    check(!inRange, "wholeNumber refused a value in range", shown);
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  std::uint32_t singleBits = 0;
  std::memcpy(&singleBits, data, size < 4 ? size : 4);
  float single;
  std::memcpy(&single, &singleBits, sizeof single);
  // The core writes finite values only: Arith refuses infinities before any
  // text is made of them.
  if (std::isfinite(single))
    checkSingle(single);

  if (size >= 12) {
    double whole;
    std::memcpy(&whole, data + 4, sizeof whole);
    checkWholeNumber(whole);
  }
  return 0;
}
