// The feed commands on an offset dish (--offset): the feed's pattern summed over
// the dish's true aperture, aimed at the aim point or at the angle given.
#pragma once

#include "calc/common/length_unit.h"
#include "calc/physics/dish_measure.h"
#include "calc/physics/feed_pattern.h"
#include "calc/physics/feed_remarks.h"
#include "calc/physics/loss_budget.h"
#include "cli/command_table.h"
#include "cli/report.h"

#include <optional>
#include <vector>

namespace dishwright {

// An offset dish as --offset, --aim and --freq give it.
struct OffsetFeedCall {
  OffsetDish dish;                  // in `unit`
  LengthUnit unit = LengthUnit::Cm; // of the sizes
  double aimDeg = 0;                // degrees toward the far rim from the aim point
  std::optional<DishLosses> losses; // with --freq: the budget's inputs
};

// The offset dish of `call`, nothing without --offset. Throws InputError for a
// dish no paraboloid makes, an aim past the rim, or budget options without --freq.
std::optional<OffsetFeedCall> readOffsetFeed(const Invocation &call);

// What a feed's kind adds to its figures.
struct OffsetFeedExtras {
  std::vector<FeedRemark> remarks;   // the feed's warnings and notes
  std::optional<double> equivalentN; // for a feed given by its beamwidth
  const char *model = nullptr;       // a can's model, named on the first line
};

// Works out and prints `pattern` on the offset dish of `offset`: every figure is
// worked out before the first line is written.
void runOffsetFeed(const OffsetFeedCall &offset, const FeedPattern &pattern,
                   OffsetFeedExtras extras, Report &out);

} // namespace dishwright
