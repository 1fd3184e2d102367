#include "input_step.h"

#include "number_text.h"

namespace dishwright {

void storeInputs(DesignValues &values, std::string_view fdText, std::string_view diaText,
                 std::string_view freqText) {
  values.fd = textToSingle(fdText);
  values.dia = textToSingle(diaText);
  values.freq = textToSingle(freqText);
}

} // namespace dishwright
