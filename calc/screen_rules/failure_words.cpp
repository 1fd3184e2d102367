#include "calc/screen_rules/failure_words.h"

#include "calc/screen_rules/number_text.h"

namespace dishwright {

std::string frequencyWords(float frequencyMHz) {
  return "the frequency is " + singleToText(frequencyMHz) + " MHz";
}

std::string diameterWords(float diameter, bool metric) {
  const char *unit = diameter == 1 ? (metric ? " metre" : " foot") : (metric ? " metres" : " feet");
  return "the diameter is " + singleToText(diameter) + unit;
}

std::string fdWords(float fd) { return "the f/D ratio is " + singleToText(fd); }

} // namespace dishwright
