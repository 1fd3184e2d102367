#include "calc/screen_rules/number_text.h"

#include "calc/common/number_grammar.h"
#include "calc/screen_rules/calc_error.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <system_error>

namespace dishwright {
namespace detail {

// The exact value of |value| rounded to seven significant digits, ties to even:
// digits d0.d1...d6 times 10^exponent, the way std::to_chars writes it in
// scientific notation with six decimals.
void sevenDigitsByToChars(float value, char digits[7], int &exponent) {
  char sci[32];
  char *end = std::to_chars(sci, sci + sizeof sci, std::fabs(static_cast<double>(value)),
                            std::chars_format::scientific, 6)
                  .ptr;
  digits[0] = sci[0];
  std::copy(sci + 2, sci + 8, digits + 1);
  std::from_chars(sci[9] == '+' ? sci + 10 : sci + 9, end, exponent);
}

// The same rounding in integers, for magnitudes from 1e-4 to below 2^23 (every
// figure and profile row of a real dish): |value| = m / 2^s exactly, so the
// seven digits are m x 10^(6 - exponent) / 2^s rounded half to even. Long
// listings format millions of numbers; this is several times faster.
bool sevenDigitsExact(float value, char digits[7], int &exponent) {
  int binary = 0;
  const double fraction = std::frexp(std::fabs(static_cast<double>(value)), &binary);
  const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 24)); // < 2^24
  const int shift = 24 - binary;                                              // value = m / 2^shift
  if (shift < 1 || shift > 37)
    return false;
  static constexpr std::uint64_t kPow10[] = {
      1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000, 10000000000};
  int e = static_cast<int>(std::floor(std::log10(std::fabs(static_cast<double>(value)))));
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (e < -4 || e > 6)
      return false;
    const std::uint64_t scaled = mantissa * kPow10[6 - e]; // < 2^24 x 10^10 < 2^58
    std::uint64_t n = scaled >> shift;
    const std::uint64_t rest = scaled & ((std::uint64_t{1} << shift) - 1);
    const std::uint64_t half = std::uint64_t{1} << (shift - 1);
    if (rest > half || (rest == half && (n & 1)))
      ++n;
    if (n >= 10000000) {
      ++e;
    } else if (n < 1000000) {
      --e;
    } else {
      for (int i = 6; i >= 0; --i, n /= 10)
        digits[i] = static_cast<char>('0' + n % 10);
      exponent = e;
      return true;
    }
  }
  return false;
}

} // namespace detail

namespace {
using detail::sevenDigitsByToChars;
using detail::sevenDigitsExact;

void sevenDigits(float value, char digits[7], int &exponent) {
  if (!sevenDigitsExact(value, digits, exponent))
    sevenDigitsByToChars(value, digits, exponent);
}

} // namespace

float textToSingle(std::string_view text) {
  NumberText num;
  if (!splitNumber(text, num))
    throw CalcError(ErrorKind::TypeMismatch);
  float value = 0;
  auto result = std::from_chars(num.body.data(), num.body.data() + num.body.size(), value,
                                std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    if (leadingExponent(num) >= 0)
      throw CalcError(ErrorKind::Overflow);
    value = 0; // below the smallest subnormal single
  } else if (result.ec != std::errc() || result.ptr != num.body.data() + num.body.size()) {
    throw CalcError(ErrorKind::TypeMismatch);
  }
  return num.negative ? -value : value;
}

void appendSingleText(std::string &out, float value) {
  if (value == 0) {
    out += '0';
    return;
  }
  char digits[7];
  int exponent = 0;
  sevenDigits(value, digits, exponent);
  int count = 7;
  while (count > 1 && digits[count - 1] == '0')
    --count;

  if (value < 0)
    out += '-';
  if (exponent >= 7 || exponent < -4) {
    out += digits[0];
    if (count > 1) {
      out += '.';
      out.append(digits + 1, static_cast<std::size_t>(count - 1));
    }
    out += exponent < 0 ? "E-" : "E+";
    const int magnitude = std::abs(exponent);
    if (magnitude < 10)
      out += '0';
    out += std::to_string(magnitude);
  } else if (exponent < 0) {
    out += "0.";
    out.append(static_cast<std::size_t>(-exponent - 1), '0');
    out.append(digits, static_cast<std::size_t>(count));
  } else {
    const int intCount = exponent + 1;
    out.append(digits, static_cast<std::size_t>(std::min(count, intCount)));
    if (count <= intCount) {
      out.append(static_cast<std::size_t>(intCount - count), '0');
    } else {
      out += '.';
      out.append(digits + intCount, static_cast<std::size_t>(count - intCount));
    }
  }
}

std::string singleToText(float value) {
  std::string text;
  appendSingleText(text, value);
  return text;
}

std::string intToText(std::int32_t value) { return std::to_string(value); }

float roundThreePlaces(float value) {
  double thousandths = std::nearbyint(static_cast<double>(value) * 1000.0);
  return static_cast<float>(thousandths / 1000.0);
}

std::int32_t wholeNumber(double value) {
  double rounded = std::nearbyint(value);
  if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0))
    throw CalcError(ErrorKind::Overflow);
  return static_cast<std::int32_t>(rounded);
}

} // namespace dishwright
