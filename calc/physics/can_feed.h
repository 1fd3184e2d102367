// A can as a feed, by one of two models: the patterns of real cans from
// full-wave simulations (the default), or the textbook open-waveguide formula.
// Both front ends take the pattern, the model used and what is said beside the
// figures from here.
#pragma once

#include "calc/common/length_unit.h"
#include "calc/physics/feed_pattern.h"
#include "calc/physics/feed_remarks.h"

#include <optional>
#include <string_view>
#include <vector>

namespace dishwright {

enum class CanModel {
  // Real thin-walled cans with a closed back (can_pattern_table.h), rim and
  // outer-wall currents included; with phases, so with a phase centre.
  Simulated,
  // The TE11 field in the open end alone, with the Huygens factors (canPattern).
  OpenWaveguide,
};

// "can" or "open-waveguide", as the command line takes and prints it.
const char *canModelName(CanModel model);
std::optional<CanModel> canModelFromText(std::string_view text);

struct CanFeed {
  FeedPattern pattern;
  CanModel model;                  // the model used: Simulated falls back outside its range
  double diameterWavelengths = 0;  // inside diameter, free-space wavelengths
  std::vector<FeedRemark> remarks; // the can's warnings (canFeedRemarks) and the model's
};

// A can of inside diameter `diameter` (in `unit`) at `frequencyMHz` by the model
// `wanted`. A simulated can outside the simulated range (0.60 to 1.30
// wavelength) is worked out by the open-waveguide model instead, with a warning
// that says so. Throws InputError as canPattern does.
CanFeed canFeed(double diameter, LengthUnit unit, double frequencyMHz, CanModel wanted);

} // namespace dishwright
