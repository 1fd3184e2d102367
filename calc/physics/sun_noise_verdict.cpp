#include "calc/physics/sun_noise_verdict.h"

#include "calc/common/figure_text.h"
#include "calc/common/input_checks.h"
#include "calc/common/units.h"

namespace dishwright {
namespace {

// A verdict in whole percent, as builders quote efficiencies: "60", "5.6", "540".
constexpr int kVerdictDigits = 2;

std::string percent(double ratio) {
  return plainFigureText(ratio * kPercentPerRatio, kVerdictDigits);
}

// What makes an efficiency come out too high: it rises with the system
// temperature and the sun noise typed and falls with the flux and the diameter.
const char *const kTooHighCauses =
    "a system temperature typed too high (it is the whole system on cold sky, not the LNA "
    "alone), a sun noise, diameter or flux typed wrong, or the sun's flux of another day";

// What makes it come out too low: the dish took in less of the sun than it can,
// or the figures typed under-rate it.
const char *const kTooLowCauses =
    "the pointing (the peak of the noise, on the sun's centre), the flux (the day's "
    "figure at this frequency), the feed's loss and mismatch, its place at the focus and its "
    "pattern, the surface, and the system temperature (the whole system on cold sky, not the "
    "LNA's own)";

std::string wordsFor(EfficiencyVerdict verdict, double efficiency) {
  const std::string shown = percent(efficiency) + " %: ";
  const std::string range =
      percent(kTypicalEfficiencyLowest) + " to " + percent(kTypicalEfficiencyHighest) + " %";
  switch (verdict) {
  case EfficiencyVerdict::Low:
    return shown + "below the " + range + " amateur dishes usually reach. Look at " + kTooLowCauses;
  case EfficiencyVerdict::Typical:
    return shown + "typical of a well-made amateur dish (" + range + ")";
  case EfficiencyVerdict::High:
    return shown + "above the " + range + " amateur dishes usually reach: a fine dish, or " +
           kTooHighCauses;
  case EfficiencyVerdict::Impossible:
    break;
  }
  return shown + "more than any dish can reach. A figure is wrong: " + kTooHighCauses;
}

EfficiencyVerdict verdictOf(double efficiency) {
  if (efficiency < kTypicalEfficiencyLowest)
    return EfficiencyVerdict::Low;
  if (efficiency <= kTypicalEfficiencyHighest)
    return EfficiencyVerdict::Typical;
  if (efficiency <= kPossibleEfficiencyHighest)
    return EfficiencyVerdict::High;
  return EfficiencyVerdict::Impossible;
}

} // namespace

EfficiencyJudgement judgeApertureEfficiency(double efficiency) {
  requirePositive(efficiency, "aperture efficiency");
  EfficiencyJudgement judgement;
  judgement.verdict = verdictOf(efficiency);
  judgement.words = wordsFor(judgement.verdict, efficiency);
  return judgement;
}

} // namespace dishwright
