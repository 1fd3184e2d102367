#include "cli/feed_offset.h"

#include "calc/common/decimal_text.h"
#include "calc/common/figure_text.h"
#include "calc/common/input_checks.h"
#include "calc/common/input_error.h"
#include "calc/physics/offset_illumination.h"
#include "cli/feed_budget.h"

#include <cmath>
#include <string>

namespace dishwright {
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
    // Small sizes in inches for a dish in inches, in mm for one in cm or mm.
    const LengthUnit small = offset.unit == LengthUnit::Inch ? LengthUnit::Inch : LengthUnit::Mm;
    offset.losses = readLosses(call, offset.dish.width * mmPerUnit(offset.unit), frequency, small);
  }
  return offset;
}

void runOffsetFeed(const OffsetFeedCall &offset, const FeedPattern &pattern,
                   OffsetFeedExtras extras, Report &out) {
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
  if (extras.model)
    out.words("model", extras.model);
  out.figure("feed half-angle", offset.dish.feedHalfAngleDeg, kDegrees);
  if (extras.equivalentN)
    out.figure("equivalent cos n", *extras.equivalentN);
  out.figure("near rim level", onDish.nearRimLevelDb, kDecibels);
  out.figure("far rim level", onDish.farRimLevelDb, kDecibels);
  out.figure("spillover efficiency", onDish.spillover);
  out.figure("illumination efficiency", onDish.illumination);
  out.figure("cross-polar efficiency", onDish.crossPolar);
  out.figure("aperture efficiency", onDish.aperture);
  out.figure("best aim", best.aimDeg, kDegrees);
  out.figure("best aperture efficiency", best.aperture);
  if (budget)
    printBudget(*budget, out);
  printRemarks(extras.remarks, budget, out);
}

} // namespace dishwright
