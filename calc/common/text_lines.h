// Lines of numbers as builders paste or save them: fields separated by blanks,
// tabs, commas or semicolons, and the words of a refusal that shows the line.
// The surface points and the feed patterns are read through these.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dishwright {

// The fields of `line`, separators dropped: "150, 12.5" gives "150" and "12.5".
std::vector<std::string_view> lineFields(std::string_view line);

// `line` as a refusal quotes it, escaped: trailing separators dropped, cut to 40
// characters with "..." after.
std::string shownLine(std::string_view line);

// "; a point is the decimal mark (150.5, not 150,5)" when `line` holds a comma
// between two digits, the likely cause of a line that does not read; else "".
std::string decimalCommaHint(std::string_view line);

// `text` without a UTF-8 byte-order mark at its start.
std::string_view withoutByteOrderMark(std::string_view text);

// Hands every line of `text` (a byte-order mark at its start skipped, the line
// breaks dropped) to `take`, in order.
template <class Take> void forEachLine(std::string_view text, Take &&take) {
  text = withoutByteOrderMark(text);
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    take(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
}

} // namespace dishwright
