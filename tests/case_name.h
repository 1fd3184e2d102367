// Names for parameterised cases made from the text a case is about, so that a
// failure names "TextToSingle/1e39", not case 19: letters and digits stay,
// '.' reads "p", '-' "m", '+' "P", ',' "c" and blanks "_".
#pragma once

#include <cctype>
#include <string>
#include <string_view>

namespace dishwright::test {

inline std::string caseName(std::string_view text) {
  std::string name;
  for (const char c : text) {
    if (std::isalnum(static_cast<unsigned char>(c)))
      name += c;
    else if (c == '.')
      name += 'p';
    else if (c == '-')
      name += 'm';
    else if (c == '+')
      name += 'P';
    else if (c == ',')
      name += 'c';
    else
      name += '_';
  }
  return name.empty() ? "empty" : name;
}

} // namespace dishwright::test
