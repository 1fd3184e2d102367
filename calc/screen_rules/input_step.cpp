#include "calc/screen_rules/input_step.h"

#include "calc/screen_rules/calc_error.h"
#include "calc/screen_rules/number_text.h"

#include <string>

namespace dishwright {
namespace {

// A text as a failure quotes it: a pasted page is cut to its start.
std::string quoted(std::string_view text) {
  constexpr std::size_t kQuotedChars = 40;
  std::string q = "\"";
  q.append(text.substr(0, kQuotedChars));
  if (text.size() > kQuotedChars)
    q += "...";
  q += '"';
  if (text.size() > kQuotedChars)
    q += " (" + std::to_string(text.size()) + " characters)";
  return q;
}

} // namespace

float readInput(Field field, std::string_view text) {
  try {
    return textToSingle(text);
  } catch (const CalcError &e) {
    const char *problem = e.kind() == ErrorKind::Overflow ? " is too large" : " is not a number";
    throw e.whileReading(std::string("the ") + fieldName(field) + ' ' + quoted(text) + problem);
  }
}

void storeInputs(DesignValues &values, std::string_view fdText, std::string_view diaText,
                 std::string_view freqText) {
  values.fd = readInput(Field::FdRatio, fdText);
  values.dia = readInput(Field::Diameter, diaText);
  values.freq = readInput(Field::Frequency, freqText);
}

} // namespace dishwright
