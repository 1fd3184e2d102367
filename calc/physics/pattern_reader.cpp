#include "calc/physics/pattern_reader.h"

#include "calc/common/decimal_text.h"
#include "calc/common/input_error.h"

#include <cctype>
#include <optional>
#include <string>

namespace dishwright {
namespace {

// How much of a bad line its error message shows, characters.
constexpr std::size_t kShownLineChars = 40;

bool isSeparator(char c) { return c == ' ' || c == '\t' || c == ',' || c == ';' || c == '\r'; }

std::vector<std::string_view> fields(std::string_view line) {
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

// A comma between two digits: most likely a decimal comma ("150,5"), which
// this reader takes as a separator.
bool holdsDecimalComma(std::string_view line) {
  for (std::size_t i = 1; i + 1 < line.size(); ++i)
    if (line[i] == ',' && std::isdigit(static_cast<unsigned char>(line[i - 1])) &&
        std::isdigit(static_cast<unsigned char>(line[i + 1])))
      return true;
  return false;
}

std::string shown(std::string_view line) {
  while (!line.empty() && isSeparator(line.back()))
    line.remove_suffix(1);
  if (line.size() <= kShownLineChars)
    return "\"" + std::string(line) + "\"";
  return "\"" + std::string(line.substr(0, kShownLineChars)) + "...\"";
}

std::string notALevel(std::string_view line) {
  std::string words = shown(line) + " is not an angle and one or two levels in dB";
  if (holdsDecimalComma(line))
    words += "; a point is the decimal mark (150.5, not 150,5)";
  return words;
}

} // namespace

void PatternReader::addLine(std::string_view line) {
  ++lineNumber_;
  const std::string where = "line " + std::to_string(lineNumber_) + ": ";
  if (const std::size_t hash = line.find('#'); hash != std::string_view::npos)
    line = line.substr(0, hash);
  const std::vector<std::string_view> numbers = fields(line);
  if (numbers.empty())
    return;
  if (numbers.size() == 1 && decimalValue(numbers[0]))
    throw InputError(where + shown(line) + " needs a level in dB after the angle");
  std::optional<double> values[3];
  for (std::size_t i = 0; i < numbers.size() && i < 3; ++i)
    values[i] = decimalValue(numbers[i]);
  if (numbers.size() > 3 || !values[0] || !values[1] || (numbers.size() == 3 && !values[2]))
    throw InputError(where + notALevel(line));
  const std::string angle(numbers[0]);
  if (levels_.empty() && *values[0] != 0)
    throw InputError(where + "the first angle must be 0 (the feed's axis), not " + angle);
  if (!levels_.empty() && !(*values[0] > levels_.back().angleDeg))
    throw InputError(where + "the angle " + angle + " does not rise above the " + lastAngle_ +
                     " before it");
  if (*values[0] > 180)
    throw InputError(where + "the angle " + angle + " is beyond 180 degrees");
  levels_.push_back({*values[0], *values[1], values[2] ? *values[2] : *values[1]});
  lastAngle_ = angle;
}

FeedPattern PatternReader::finish() const {
  if (levels_.size() < 2)
    throw InputError("a pattern needs two lines of angle and level at least");
  return listedPattern(levels_);
}

FeedPattern readPattern(std::string_view text) {
  PatternReader reader;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    reader.addLine(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  return reader.finish();
}

} // namespace dishwright
