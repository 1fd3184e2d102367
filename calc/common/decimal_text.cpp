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

double readDecimal(std::string_view text, std::string_view what) {
  if (const auto value = decimalValue(text))
    return *value;
  const char *problem =
      numberState(text) == NumberState::Number ? " is too large for a number" : " is not a number";
  throw InputError("the " + std::string(what) + " " + quotedInput(text) + problem);
}

} // namespace dishwright
