#include "calc/physics/pattern_reader.h"

#include "calc/common/decimal_text.h"
#include "calc/common/input_error.h"
#include "calc/common/text_lines.h"

#include <cctype>
#include <optional>
#include <string>

namespace dishwright {
namespace {

std::string notALevel(std::string_view line) {
  return shownLine(line) + " is not an angle and one or two levels in dB" + decimalCommaHint(line);
}

// The words of a pattern past its size, with what a real one comes to.
void requireWithinSize(std::size_t lines, std::size_t bytes) {
  if (lines > kPatternMostLines)
    throw InputError("the pattern has more than " + std::to_string(kPatternMostLines) +
                     " lines; a measured pattern has far fewer (one every 0.01 degree from 0 to "
                     "180 has 18001)");
  if (bytes > kPatternMostBytes)
    throw InputError("the pattern is larger than " + std::to_string(kPatternMostBytes >> 20) +
                     " MB; a measured pattern is far smaller (one every 0.01 degree from 0 to "
                     "180 is about 0.4 MB)");
}

} // namespace

void PatternReader::addLine(std::string_view line) {
  ++lineNumber_;
  bytes_ += line.size() + 1;
  requireWithinSize(lineNumber_, bytes_);
  const std::string where = "line " + std::to_string(lineNumber_) + ": ";
  if (const std::size_t hash = line.find('#'); hash != std::string_view::npos)
    line = line.substr(0, hash);
  const std::vector<std::string_view> numbers = lineFields(line);
  if (numbers.empty())
    return;
  if (numbers.size() == 1 && decimalValue(numbers[0]))
    throw InputError(where + shownLine(line) + " needs a level in dB after the angle");
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
  forEachLine(text, [&reader](std::string_view line) { reader.addLine(line); });
  return reader.finish();
}

} // namespace dishwright
