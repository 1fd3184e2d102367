#include "cli/feed_offset.h"

#include "calc/common/decimal_text.h"
#include "calc/common/figure_text.h"
#include "calc/common/input_checks.h"
#include "calc/common/input_error.h"
#include "calc/physics/offset_illumination.h"
#include "cli/feed_budget.h"

#include <cmath>
#include <ostream>
#include <string>

namespace dishwright {
namespace {

std::string fig(double value) { return figureText(value, kMeasuredDigits); }

} // namespace

std::optional<OffsetFeedCall> readOffsetFeed(const Invocation &call) {
  if (!call.has("--offset"))
    return std::nullopt;
  requireBudgetAnchor(call, "--freq");
  const std::vector<std::string> &sizes = call.values("--offset");
  OffsetFeedCall offset;
  offset.unit = *lengthUnitFromText(sizes[0]);
  offset.dish = measureOffset(readDecimal(sizes[1], "width"), readDecimal(sizes[2], "height"),
                              readDecimal(sizes[3], "depth"));
  if (call.has("--aim")) {
    offset.aimDeg = readDecimal(call.values("--aim")[0], "aim");
    if (!(std::abs(offset.aimDeg) <= offset.dish.feedHalfAngleDeg))
      throw InputError("the aim must lie on the dish: at most " +
                       plainFigureText(offset.dish.feedHalfAngleDeg) +
                       " degrees (the feed half-angle) either way of the aim point");
  }
  if (call.has("--freq")) {
    const double frequency = readDecimal(call.values("--freq")[0], "frequency");
    requirePositive(frequency, "frequency");
    offset.losses = readLosses(call, offset.dish.width * mmPerUnit(offset.unit), frequency,
                               offset.unit == LengthUnit::Inch);
  }
  return offset;
}

void runOffsetFeed(const OffsetFeedCall &offset, const FeedPattern &pattern,
                   OffsetFeedExtras extras, std::ostream &out) {
  const OffsetIllumination feed(pattern, offsetAperture(offset.dish));
  const OffsetOnDish onDish = feed.at(offset.aimDeg);
  const BestAim best = feed.best();
  std::optional<LossBudget> budget;
  if (offset.losses) {
    ApertureCircle inMm = offsetAperture(offset.dish);
    const double mm = mmPerUnit(offset.unit);
    inMm = {inMm.focalLength * mm, inMm.centre * mm, inMm.radius * mm};
    budget = budgetFor(pattern, inMm, offset.aimDeg, *offset.losses, onDish.aperture);
  }
  if (offset.dish.axesSwapped) {
    const char *word = lengthWord(offset.unit);
    extras.remarks.push_back(
        {FeedRemark::Kind::Note, "the larger size, " + plainFigureText(offset.dish.height) + ' ' +
                                     word + ", is taken as the height (long axis), " +
                                     plainFigureText(offset.dish.width) + ' ' + word +
                                     " as the width"});
  }
  out << "feed half-angle: " << fig(offset.dish.feedHalfAngleDeg) << " DEGREES\n";
  if (extras.equivalentN)
    out << "equivalent cos n: " << fig(*extras.equivalentN) << '\n';
  out << "near rim level: " << fig(onDish.nearRimLevelDb) << " DB\n";
  out << "far rim level: " << fig(onDish.farRimLevelDb) << " DB\n";
  out << "spillover efficiency: " << fig(onDish.spillover) << '\n';
  out << "illumination efficiency: " << fig(onDish.illumination) << '\n';
  out << "cross-polar efficiency: " << fig(onDish.crossPolar) << '\n';
  out << "aperture efficiency: " << fig(onDish.aperture) << '\n';
  out << "best aim: " << fig(best.aimDeg) << " DEGREES\n";
  out << "best aperture efficiency: " << fig(best.aperture) << '\n';
  if (budget) {
    printBudget(*budget, out);
    for (const std::string &warning : budget->warnings)
      extras.remarks.push_back({FeedRemark::Kind::Warning, warning});
  }
  for (const FeedRemark &remark : extras.remarks)
    out << (remark.kind == FeedRemark::Kind::Note ? "note: " : "warning: ") << remark.text << '\n';
}

} // namespace dishwright
