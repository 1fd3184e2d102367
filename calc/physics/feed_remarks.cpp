#include "calc/physics/feed_remarks.h"

#include "calc/common/figure_text.h"

#include <algorithm>

namespace dishwright {
namespace {

// Significant digits of a size in wavelengths: the TM01 cutoff is 0.7655, and a
// can just above it must not read as equal to it.
constexpr int kWavelengthDigits = 4;
// A pattern's angle this far past kPatternEarlyEndDeg still counts as reaching
// it, degrees: the rounding of a degree to radians and back.
constexpr double kAngleRoundingDeg = 1e-9;

std::string wavelengths(double value) { return plainFigureText(value, kWavelengthDigits); }

// "the can is 1.556 wavelengths across"
std::string canSize(double diameterWavelengths) {
  return "the can is " + wavelengths(diameterWavelengths) +
         (diameterWavelengths > 1 ? " wavelengths" : " wavelength") + " across";
}

// "a can 0.62 to 0.7655 wavelength across": weak below, higher modes above.
std::string singleModeRange() {
  return "a can " + wavelengths(kCanWeakBelowWavelengths) + " to " +
         wavelengths(cutoffWavelengths(kTm01BesselRoot)) + " wavelength across";
}

std::string higherModesText(const CanModes &modes) {
  const std::vector<HigherMode> &higher = modes.higherModes;
  std::string cutoffs;
  for (std::size_t i = 0; i < higher.size(); ++i) {
    if (i > 0)
      cutoffs += i + 1 == higher.size() ? " and " : ", ";
    cutoffs += std::string(modeName(higher[i])) + " (" +
               wavelengths(cutoffWavelengths(besselRoot(higher[i]))) + ")";
  }
  const bool one = higher.size() == 1;
  return canSize(modes.diameterWavelengths) + ", above the " +
         (one ? "cutoff of " : "cutoffs of ") + cutoffs + ": " +
         (one ? "this mode" : "these modes") +
         " can propagate besides TE11 and spoil the pattern, and the figures, of TE11 alone, do "
         "not show it; " +
         singleModeRange() + " carries TE11 alone";
}

} // namespace

std::vector<FeedRemark> canFeedRemarks(const CanModes &modes) {
  std::vector<FeedRemark> remarks;
  if (modes.weak)
    remarks.push_back({FeedRemark::Kind::Warning,
                       canSize(modes.diameterWavelengths) + ", close to its TE11 cutoff (" +
                           wavelengths(cutoffWavelengths(kTe11BesselRoot)) +
                           "): there it is weak and narrow-band, and the open-can model of its "
                           "pattern is poor; " +
                           singleModeRange() + " is better"});
  if (!modes.higherModes.empty())
    remarks.push_back({FeedRemark::Kind::Warning, higherModesText(modes)});
  return remarks;
}

std::vector<FeedRemark> patternRemarks(const FeedPattern &pattern) {
  std::vector<FeedRemark> remarks;
  if (pattern.source().readAsDbDown)
    remarks.push_back({FeedRemark::Kind::Note, "the levels rise away from the axis, all 0 dB or "
                                               "more: they are read as dB down (10 as -10 dB)"});
  const std::size_t last = pattern.sampleCount() - 1;
  const double endDb = std::max(pattern.eDb(last), pattern.hDb(last));
  if (pattern.source().listed && pattern.extentDeg() <= kPatternEarlyEndDeg + kAngleRoundingDeg &&
      endDb > kPatternStrongEndDb)
    remarks.push_back({FeedRemark::Kind::Warning,
                       "the pattern stops at " + plainFigureText(pattern.extentDeg()) +
                           " degrees, still at " + plainFigureText(endDb, 3) +
                           " dB: what the feed sends past it is unknown and counted as nothing, "
                           "so the spillover is likely worse than shown; list the pattern "
                           "further, back lobe included"});
  return remarks;
}

} // namespace dishwright
