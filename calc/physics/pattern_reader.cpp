#include "calc/physics/pattern_reader.h"

#include "calc/common/decimal_text.h"
#include "calc/common/input_error.h"
#include "calc/common/text_lines.h"

#include <cctype>
#include <optional>
#include <string>

namespace dishwright {
namespace {

// Fields of a line: angle, E and H levels, then E and H phases.
constexpr std::size_t kLevelFields = 3;
constexpr std::size_t kMostFields = 5;

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
  std::optional<double> values[kMostFields];
  bool allNumbers = numbers.size() <= kMostFields;
  for (std::size_t i = 0; i < numbers.size() && i < kMostFields; ++i)
    allNumbers = (values[i] = decimalValue(numbers[i])) && allNumbers;
  if (!allNumbers)
    throw InputError(where + notALevel(line));
  const bool phased = numbers.size() > kLevelFields;
  if (!levels_.empty() && phased != !phases_.empty() && !decimalCommaHint(line).empty())
    throw InputError(where + notALevel(line)); // "150,5 12,3": commas in numbers, not phases
  if (!levels_.empty() && phased != !phases_.empty())
    throw InputError(where + shownLine(line) +
                     (phased ? " lists phases, the lines before it none"
                             : " lists no phases, the lines before it do") +
                     ": list them on every line or on none");
  const std::string angle(numbers[0]);
  if (levels_.empty() && *values[0] != 0)
    throw InputError(where + "the first angle must be 0 (the feed's axis), not " + angle);
  if (!levels_.empty() && !(*values[0] > levels_.back().angleDeg))
    throw InputError(where + "the angle " + angle + " does not rise above the " + lastAngle_ +
                     " before it");
  if (*values[0] > 180)
    throw InputError(where + "the angle " + angle + " is beyond 180 degrees");
  levels_.push_back({*values[0], *values[1], values[2] ? *values[2] : *values[1]});
  if (phased)
    phases_.push_back({*values[3], values[4] ? *values[4] : *values[3]});
  lastAngle_ = angle;
}

FeedPattern PatternReader::finish() const {
  if (levels_.size() < 2)
    throw InputError("a pattern needs two lines of angle and level at least");
  return listedPattern(levels_, phases_);
}

FeedPattern readPattern(std::string_view text) {
  PatternReader reader;
  forEachLine(text, [&reader](std::string_view line) { reader.addLine(line); });
  return reader.finish();
}

} // namespace dishwright
