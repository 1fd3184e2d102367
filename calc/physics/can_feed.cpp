#include "calc/physics/can_feed.h"

#include "calc/common/figure_text.h"
#include "calc/physics/can_pattern_table.h"
#include "calc/physics/guide_modes.h"

namespace dishwright {
namespace {

constexpr const char *kSimulatedName = "can";
constexpr const char *kOpenWaveguideName = "open-waveguide";
// Significant digits of a size in wavelengths, as the can's other warnings give it.
constexpr int kWavelengthDigits = 4;

FeedRemark outsideSimulatedCans(double diameterWavelengths) {
  return {FeedRemark::Kind::Warning,
          "the can is " + plainFigureText(diameterWavelengths, kWavelengthDigits) +
              (diameterWavelengths > 1 ? " wavelengths" : " wavelength") +
              " across, outside the simulated cans (" +
              plainFigureText(simulatedCanLowestWavelengths()) + " to " +
              plainFigureText(simulatedCanHighestWavelengths()) +
              " wavelength): its figures are the open-waveguide model's, which leaves out the "
              "currents on the rim and the outer wall and has no phase centre"};
}

} // namespace

const char *canModelName(CanModel model) {
  return model == CanModel::Simulated ? kSimulatedName : kOpenWaveguideName;
}

std::optional<CanModel> canModelFromText(std::string_view text) {
  if (text == kSimulatedName)
    return CanModel::Simulated;
  if (text == kOpenWaveguideName)
    return CanModel::OpenWaveguide;
  return std::nullopt;
}

CanFeed canFeed(double diameter, LengthUnit unit, double frequencyMHz, CanModel wanted) {
  // The open-waveguide pattern first: it refuses a can below its TE11 cutoff.
  FeedPattern openWaveguide = canPattern(diameter, unit, frequencyMHz);
  const CanModes modes = canModes(diameter, unit, frequencyMHz);
  CanFeed out{std::move(openWaveguide), CanModel::OpenWaveguide, modes.diameterWavelengths,
              canFeedRemarks(modes)};
  if (wanted == CanModel::OpenWaveguide)
    return out;
  const double d = modes.diameterWavelengths;
  if (simulatedCanCovers(d)) {
    out.pattern = simulatedCanPattern(d);
    out.model = CanModel::Simulated;
  } else {
    out.remarks.push_back(outsideSimulatedCans(d));
  }
  return out;
}

} // namespace dishwright
