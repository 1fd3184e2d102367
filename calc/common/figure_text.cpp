#include "calc/common/figure_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace dishwright {

namespace {

constexpr int kMostDigits = 17;   // a double's digits: more would print noise
constexpr int kLowestPlain = -5;  // 1e-5 is the smallest magnitude written plainly
constexpr int kFirstExponent = 9; // 1e9 is the smallest written with an exponent
constexpr int kBufferChars = 64;  // a fixed double below 1e9 with 17 digits fits

} // namespace

std::string figureText(double value, int significant) {
  significant = std::clamp(significant, 1, kMostDigits);
  if (value == 0 || !std::isfinite(value))
    return value == 0 ? "0" : std::isnan(value) ? "nan" : value > 0 ? "inf" : "-inf";
  // The decimal exponent after rounding: 999999.5 at six digits is 1.00000e+06.
  char sci[kBufferChars];
  auto end =
      std::to_chars(sci, sci + sizeof sci, value, std::chars_format::scientific, significant - 1)
          .ptr;
  int exponent = 0;
  const char *e = std::find(sci, end, 'e');
  std::from_chars(e + (e[1] == '+' ? 2 : 1), end, exponent);
  if (exponent < kLowestPlain || exponent >= kFirstExponent)
    return std::string(sci, end);
  char plain[kBufferChars];
  const int decimals = std::max(0, significant - 1 - exponent);
  end = std::to_chars(plain, plain + sizeof plain, value, std::chars_format::fixed, decimals).ptr;
  return std::string(plain, end);
}

std::string plainFigureText(double value, int significant) {
  std::string text = figureText(value, significant);
  const std::size_t exponent = std::min(text.find('e'), text.size());
  if (text.find('.') < exponent) {
    std::size_t end = text.find_last_not_of('0', exponent - 1) + 1;
    if (text[end - 1] == '.')
      --end;
    text.erase(end, exponent - end);
  }
  return text;
}

std::string exactFigureText(double value) {
  char text[kBufferChars];
  return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

} // namespace dishwright
