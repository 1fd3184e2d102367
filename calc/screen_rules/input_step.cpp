#include "calc/screen_rules/input_step.h"

#include "calc/common/number_grammar.h"
#include "calc/screen_rules/calc_error.h"
#include "calc/screen_rules/number_text.h"

#include <string>

namespace dishwright {
float readInput(Field field, std::string_view text) {
  try {
    return textToSingle(text);
  } catch (const CalcError &e) {
    const char *problem = e.kind() == ErrorKind::Overflow ? " is too large" : " is not a number";
    throw e.whileReading(std::string("the ") + fieldName(field) + ' ' + quotedInput(text) +
                         problem);
  }
}

void storeInputs(DesignValues &values, std::string_view fdText, std::string_view diaText,
                 std::string_view freqText) {
  values.fd = readInput(Field::FdRatio, fdText);
  values.dia = readInput(Field::Diameter, diaText);
  values.freq = readInput(Field::Frequency, freqText);
}

} // namespace dishwright
