#include "calc/common/decimal_text.h"

#include "calc/common/input_error.h"
#include "calc/common/number_grammar.h"

#include <charconv>
#include <string>
#include <system_error>

namespace dishwright {

std::optional<double> decimalValue(std::string_view text) {
  // Pasted columns may come with tabs around a number; the grammar allows blanks.
  while (!text.empty() && text.front() == '\t')
    text.remove_prefix(1);
  while (!text.empty() && text.back() == '\t')
    text.remove_suffix(1);
  NumberText num;
  if (!splitNumber(text, num))
    return std::nullopt;
  double value = 0;
  const char *end = num.body.data() + num.body.size();
  const auto result = std::from_chars(num.body.data(), end, value, std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    if (leadingExponent(num) >= 0)
      return std::nullopt;
    value = 0; // below the smallest double: a zero, as a user would expect
  } else if (result.ec != std::errc() || result.ptr != end) {
    return std::nullopt;
  }
  return num.negative ? -value : value;
}

namespace {

constexpr std::size_t kLongestShownNumber = 40;

// A comma typed where the point was meant (a decimal-comma habit, or a
// thousands separator) is the likeliest cause of a refusal: the words say so,
// with the number meant when one comma makes it.
std::string commaHint(std::string_view text) {
  if (text.find(',') == std::string_view::npos)
    return {};
  std::string pointed(text);
  for (char &c : pointed)
    if (c == ',')
      c = '.';
  if (text.size() > kLongestShownNumber || !decimalValue(pointed))
    return "; a point is the decimal mark, and a number has no commas";
  const auto trim = [](std::string_view t) {
    const auto first = t.find_first_not_of(" \t");
    return t.substr(first, t.find_last_not_of(" \t") - first + 1);
  };
  return "; a point is the decimal mark (" + std::string(trim(pointed)) + ", not " +
         std::string(trim(text)) + ")";
}

} // namespace

double readDecimal(std::string_view text, std::string_view what) {
  if (const auto value = decimalValue(text))
    return *value;
  const bool tooLarge = numberState(text) == NumberState::Number;
  throw InputError(
      "the " + std::string(what) + " " + quotedInput(text) +
      (tooLarge ? " is too large for a number" : " is not a number" + commaHint(text)));
}

} // namespace dishwright
