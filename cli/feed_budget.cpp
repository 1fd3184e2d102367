#include "cli/feed_budget.h"

#include "calc/common/decimal_text.h"
#include "calc/common/input_checks.h"
#include "calc/common/input_error.h"
#include "calc/common/units.h"

#include <cmath>

namespace dishwright {
namespace {

// The whole number of struts, 0 to kMostStruts.
int readStrutCount(const std::string &text) {
  constexpr double kMostStruts = 16; // more is a mesh of wires, not a feed's support
  const double count = readDecimal(text, "number of struts");
  if (!(count >= 0 && count <= kMostStruts) || count != std::floor(count))
    throw InputError("the number of struts must be a whole number from 0 to 16");
  return static_cast<int>(count);
}

} // namespace

void requireBudgetAnchor(const Invocation &call, const std::string &anchor) {
  if (call.has(anchor))
    return;
  for (const char *option :
       {"--blockage", "--rms", "--struts", "--vswr", "--return-loss", "--mesh"})
    if (call.has(option))
      throw InputError(std::string(option) + " needs " + anchor +
                       ": the losses are worked out for the dish at its frequency");
}

DishLosses readLosses(const Invocation &call, double apertureMm, double frequencyMHz,
                      LengthUnit smallUnit) {
  const double mmPerSmall = mmPerUnit(smallUnit);
  const auto small = [&](const char *option, std::size_t i, const char *what) {
    return call.has(option) ? readDecimal(call.values(option)[i], what) * mmPerSmall : 0.0;
  };
  DishLosses losses;
  losses.frequencyMHz = frequencyMHz;
  losses.apertureDiameterMm = apertureMm;
  losses.blockageDiameterMm = small("--blockage", 0, "blockage diameter");
  losses.surfaceErrorRmsMm = small("--rms", 0, "surface error");
  if (call.has("--struts")) {
    losses.strutCount = readStrutCount(call.values("--struts")[0]);
    losses.strutWidthMm = small("--struts", 1, "strut width");
  }
  if (call.has("--vswr") && call.has("--return-loss"))
    throw InputError("give --vswr or --return-loss, not both: they say the same");
  if (call.has("--vswr"))
    losses.vswr = readDecimal(call.values("--vswr")[0], "VSWR");
  if (call.has("--return-loss"))
    losses.returnLossDb = readDecimal(call.values("--return-loss")[0], "return loss");
  if (call.has("--mesh")) {
    losses.meshPitchMm = small("--mesh", 0, "mesh size");
    losses.meshWireMm = small("--mesh", 1, "mesh wire diameter");
    if (!(losses.meshPitchMm > 0))
      throw InputError("the mesh size must be greater than 0");
  }
  return losses;
}

LossBudget budgetFor(const FeedPattern &pattern, const ApertureCircle &aperture, double aimDeg,
                     const DishLosses &losses, double apertureEfficiency) {
  requireNotNegative(losses.strutWidthMm, "strut width");
  const BlockedField blocked =
      OffsetIllumination(pattern, aperture)
          .blocked(aimDeg, losses.blockageDiameterMm, losses.strutCount, losses.strutWidthMm);
  return lossBudget(losses, apertureEfficiency, blocked);
}

void printBudget(const LossBudget &budget, Report &out) {
  out.figure("blockage efficiency", budget.blockage);
  out.figure("strut efficiency", budget.struts);
  out.figure("mismatch efficiency", budget.mismatch);
  out.figure("mesh efficiency", budget.mesh);
  out.figure("surface efficiency", budget.surface);
  out.figure("total efficiency", budget.total);
  out.figure("gain", budget.gainDbi, kDecibelsIsotropic);
}

void printRemarks(const std::vector<FeedRemark> &remarks, const std::optional<LossBudget> &budget,
                  Report &out) {
  for (const FeedRemark &remark : remarks)
    if (remark.kind == FeedRemark::Kind::Note)
      out.note(remark.text);
    else
      out.warning(remark.text);
  if (budget)
    for (const std::string &warning : budget->warnings)
      out.warning(warning);
}

} // namespace dishwright
