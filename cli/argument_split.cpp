#include "cli/argument_split.h"

#include <algorithm>
#include <cctype>

namespace dishwright {
namespace {

bool isLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

bool startsOption(std::string_view text) {
  const std::size_t dashes = text.rfind("--", 0) == 0 ? 2 : text.rfind('-', 0) == 0 ? 1 : 0;
  return dashes > 0 && text.size() > dashes && isLetter(text[dashes]);
}

} // namespace

bool looksLikeOption(const Argument &arg) {
  return !arg.operand && !arg.glued && startsOption(arg.text);
}

std::vector<Argument> splitArguments(const std::vector<std::string> &args,
                                     const std::vector<std::string> &shortOptions) {
  std::vector<Argument> out;
  bool ended = false;
  for (const std::string &text : args) {
    if (ended) {
      out.push_back({text, true, false});
      continue;
    }
    if (text == "--") {
      ended = true;
      continue;
    }
    const bool isLong = text.rfind("--", 0) == 0 && startsOption(text);
    const auto equals = text.find('=');
    if (isLong && equals != std::string::npos) {
      out.push_back({text.substr(0, equals), false, false});
      out.push_back({text.substr(equals + 1), false, true});
      continue;
    }
    const std::string head = text.substr(0, 2);
    if (!isLong && text.size() > 2 && startsOption(text) &&
        std::find(shortOptions.begin(), shortOptions.end(), head) != shortOptions.end()) {
      out.push_back({head, false, false});
      out.push_back({text.substr(2), false, true});
      continue;
    }
    out.push_back({text, false, false});
  }
  return out;
}

} // namespace dishwright
