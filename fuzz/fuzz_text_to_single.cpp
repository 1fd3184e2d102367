// textToSingle on any field text. Properties:
//  - it returns a finite single or throws CalcError, TypeMismatch or Overflow;
//  - it accepts exactly the texts of the documented shape (blanks outside the
//    number only), and reads them as glibc's strtof does: nearest single, ties
//    to even, zero of the sign below the smallest subnormal, Overflow where
//    strtof gives infinity;
//  - the text singleToText writes for the result reads back to a value with the
//    same text, but for the powers of ten described at rereadTextAgrees, and
//    the text of that value is stable. Seven digits do not identify a single;
//    the text is still stable because the single nearest to the seven-digit
//    rounding t of v is no farther from t than v is, so it rounds to t again,
//    unless it falls below a power of ten into the finer steps of the decade
//    below.
#include "calc/screen_rules/calc_error.h"
#include "calc/screen_rules/number_text.h"
#include "fuzz/checks.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

using namespace dishwright;
using fuzz::check;
using fuzz::fail;

namespace {

// The documented shape: blanks, an optional sign, digits with at most one point
// (one digit at least), an optional exponent, blanks. Gives the number without
// the blanks.
bool hasNumberShape(std::string_view t, std::string &number) {
  std::size_t b = 0, e = t.size();
  while (b < e && t[b] == ' ')
    ++b;
  while (e > b && t[e - 1] == ' ')
    --e;
  const std::string_view n = t.substr(b, e - b);
  std::size_t i = 0, digits = 0, points = 0;
  if (i < n.size() && (n[i] == '+' || n[i] == '-'))
    ++i;
  for (; i < n.size() && (fuzz::isDigit(n[i]) || n[i] == '.'); ++i)
    (n[i] == '.' ? points : digits) += 1;
  if (digits == 0 || points > 1)
    return false;
  if (i < n.size() && (n[i] == 'e' || n[i] == 'E')) {
    ++i;
    if (i < n.size() && (n[i] == '+' || n[i] == '-'))
      ++i;
    std::size_t expDigits = 0;
    for (; i < n.size() && fuzz::isDigit(n[i]); ++i)
      ++expDigits;
    if (expDigits == 0)
      return false;
  }
  number.assign(n);
  return i == n.size();
}

std::uint32_t bits(float f) {
  std::uint32_t u;
  std::memcpy(&u, &f, sizeof u);
  return u;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char *>(data), size);
  std::string number;
  const bool shaped = hasNumberShape(text, number);

  float value = 0;
  try {
    value = textToSingle(text);
  } catch (const CalcError &e) {
    if (e.kind() == ErrorKind::TypeMismatch) {
      check(!shaped, "a number text was refused as a type mismatch", text);
      return 0;
    }
    check(e.kind() == ErrorKind::Overflow, "textToSingle failed with another kind", e.what());
    check(shaped, "a text that is no number was refused as an overflow", text);
    const float reference = std::strtof(number.c_str(), nullptr);
    check(std::isinf(reference), "overflow for a value within the single range", text);
    return 0;
  }

  check(shaped, "a text that is no number was read", text);
  check(std::isfinite(value), "textToSingle returned a value that is not finite", text);
  const float reference = std::strtof(number.c_str(), nullptr);
  check(!std::isinf(reference), "a value beyond the single range was read", text);
  check(bits(value) == bits(reference), "not the nearest single (or the wrong zero)", text);

  const std::string first = singleToText(value);
  check(fuzz::isNumberText(first), "singleToText wrote a malformed text", first);
  float again = 0;
  try {
    again = textToSingle(first);
  } catch (const CalcError &) {
    fail("a text singleToText wrote could not be read back", first);
  }
  const std::string second = singleToText(again);
  check(fuzz::rereadTextAgrees(first, second), "the text of a value read back differs",
        first + " -> " + second);
  check(second == first || singleToText(textToSingle(second)) == second,
        "the text of a value read back twice differs", second);
  return 0;
}
