// What is said beside a feed's figures: warnings where the feed or its model is
// poor (a can near its cutoff or carrying higher modes, a pattern that stops while
// still strong) and notes on how an input was read. Every front end shows these
// and works out none of its own.
#pragma once

#include "calc/physics/feed_pattern.h"
#include "calc/physics/guide_modes.h"

#include <string>
#include <vector>

namespace dishwright {

// A listed pattern that stops at or before this angle, degrees, while still
// stronger than kPatternStrongEndDb leaves the spillover past it unknown.
inline constexpr double kPatternEarlyEndDeg = 90;
// The level, dB against the strongest, above which the end of a listed pattern
// still carries power that matters to the spillover.
inline constexpr double kPatternStrongEndDb = -20;

struct FeedRemark {
  enum class Kind { Warning, Note };
  Kind kind = Kind::Warning;
  std::string text; // one sentence, without a "warning:" prefix or a full stop
};

// For a can with these modes as the feed: a warning when it is weak (below
// kCanWeakBelowWavelengths) and one naming every higher mode it carries.
std::vector<FeedRemark> canFeedRemarks(const CanModes &modes);

// For `pattern`: a note when its levels were read as dB down, and a warning when
// a listed pattern stops at or before kPatternEarlyEndDeg while stronger than
// kPatternStrongEndDb. A model's pattern has none.
std::vector<FeedRemark> patternRemarks(const FeedPattern &pattern);

} // namespace dishwright
