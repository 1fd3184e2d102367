#include "number_text.h"

#include "calc_error.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace dishwright {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The parts of a number text that has passed the grammar check.
struct NumberText {
  std::string_view body; // sign stripped, from the first digit or point
  bool negative = false;
  std::string_view intDigits;
  std::string_view fracDigits;
  long long exponent = 0; // saturated; only its sign and rough size matter
};

// Checks the grammar; returns false for any text that is not one number.
bool splitNumber(std::string_view text, NumberText &out) {
  std::size_t i = 0, n = text.size();
  while (i < n && text[i] == ' ')
    ++i;
  while (n > i && text[n - 1] == ' ')
    --n;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    out.negative = text[i] == '-';
    ++i;
  }
  out.body = text.substr(i, n - i);
  std::size_t start = i;
  while (i < n && isDigit(text[i]))
    ++i;
  out.intDigits = text.substr(start, i - start);
  if (i < n && text[i] == '.') {
    std::size_t frac = ++i;
    while (i < n && isDigit(text[i]))
      ++i;
    out.fracDigits = text.substr(frac, i - frac);
  }
  if (out.intDigits.empty() && out.fracDigits.empty())
    return false;
  if (i < n && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    bool expNegative = false;
    if (i < n && (text[i] == '+' || text[i] == '-'))
      expNegative = text[i++] == '-';
    std::size_t expStart = i;
    while (i < n && isDigit(text[i])) {
      if (out.exponent < 1000000000LL)
        out.exponent = out.exponent * 10 + (text[i] - '0');
      ++i;
    }
    if (i == expStart)
      return false;
    if (expNegative)
      out.exponent = -out.exponent;
  }
  return i == n;
}

// Decimal exponent of the leading non-zero digit; decides whether a value that
// does not fit a single is too large or too small.
long long leadingExponent(const NumberText &num) {
  std::size_t lead = num.intDigits.find_first_not_of('0');
  if (lead != std::string_view::npos)
    return num.exponent + static_cast<long long>(num.intDigits.size() - lead) - 1;
  std::size_t fracLead = num.fracDigits.find_first_not_of('0');
  return num.exponent - static_cast<long long>(fracLead) - 1;
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

std::string singleToText(float value) {
  if (value == 0)
    return "0";
  // d.dddddde±x: the exact value rounded to seven significant digits, ties to even.
  char buf[32];
  auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(static_cast<double>(value)),
                           std::chars_format::scientific, 6);
  std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
  std::size_t ePos = sci.find('e');
  std::string digits;
  digits += sci[0];
  digits += sci.substr(2, ePos - 2);
  int exponent = std::atoi(std::string(sci.substr(ePos + 1)).c_str());
  while (digits.size() > 1 && digits.back() == '0')
    digits.pop_back();

  std::string text = value < 0 ? "-" : "";
  if (exponent >= 7 || exponent < -4) {
    text += digits[0];
    if (digits.size() > 1)
      text += "." + digits.substr(1);
    text += exponent < 0 ? "E-" : "E+";
    int magnitude = std::abs(exponent);
    if (magnitude < 10)
      text += '0';
    text += std::to_string(magnitude);
  } else if (exponent < 0) {
    text += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  } else {
    std::size_t intCount = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= intCount)
      text += digits + std::string(intCount - digits.size(), '0');
    else
      text += digits.substr(0, intCount) + "." + digits.substr(intCount);
  }
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
