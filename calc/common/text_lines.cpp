#include "calc/common/text_lines.h"

#include "calc/common/shown_text.h"

#include <cctype>

namespace dishwright {
namespace {

// How much of a bad line a refusal shows, characters.
constexpr std::size_t kShownLineChars = 40;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isSeparator(char c) { return c == ' ' || c == '\t' || c == ',' || c == ';' || c == '\r'; }

} // namespace

std::vector<std::string_view> lineFields(std::string_view line) {
  std::vector<std::string_view> out;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && isSeparator(line[i]))
      ++i;
    std::size_t end = i;
    while (end < line.size() && !isSeparator(line[end]))
      ++end;
    if (end > i)
      out.push_back(line.substr(i, end - i));
    i = end;
  }
  return out;
}

std::string shownLine(std::string_view line) {
  while (!line.empty() && isSeparator(line.back()))
    line.remove_suffix(1);
  return quotedText(line, kShownLineChars);
}

std::string decimalCommaHint(std::string_view line) {
  for (std::size_t i = 1; i + 1 < line.size(); ++i)
    if (line[i] == ',' && std::isdigit(static_cast<unsigned char>(line[i - 1])) &&
        std::isdigit(static_cast<unsigned char>(line[i + 1])))
      return "; a point is the decimal mark (150.5, not 150,5)";
  return {};
}

std::string_view withoutByteOrderMark(std::string_view text) {
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
    text.remove_prefix(kByteOrderMark.size());
  return text;
}

} // namespace dishwright
