// The textbook waveguide view of a real can used as a feed: which modes its
// inside diameter lets through at a frequency, and where the probe goes.
#pragma once

#include "calc/common/length_unit.h"
#include "calc/physics/guide_modes.h"

#include <string>
#include <vector>

namespace dishwright {

struct CanCheck {
  double te11CutoffMHz = 0;       // lowest frequency the can carries at all, MHz
  double tm01CutoffMHz = 0;       // above this a second mode can propagate, MHz
  double freeSpaceWavelength = 0; // unit of the input
  double guideWavelength = 0;     // wavelength inside the can, unit of the input
  double probePosition = 0;       // probe distance from the closed back, unit of the input
  double probeLength = 0; // probe length, a quarter free-space wavelength, unit of the input
  double shortestCan = 0; // shortest can that lets TE11 settle, unit of the input
  std::vector<HigherMode> higherModes; // carried besides TE11, lowest cutoff first
  bool nearTe11Cutoff = false;         // the guide wavelength exceeds twice the free-space one
};

// The two cutoffs of a can of inside diameter `diameter` (in `unit`), MHz. Throws
// InputError unless the diameter is greater than 0.
struct CanCutoffs {
  double te11MHz = 0; // lowest frequency the can carries at all, MHz
  double tm01MHz = 0; // above this a second mode can propagate, MHz
};
CanCutoffs canCutoffs(double diameter, LengthUnit unit);

// For a can of inside diameter `diameter` (in `unit`) at `frequencyMHz`. Throws
// InputError unless both are greater than 0 and the frequency is above the TE11
// cutoff: 2000 MHz is below the TE11 cutoff 2305.8 MHz: the can carries nothing.
CanCheck checkCan(double diameter, LengthUnit unit, double frequencyMHz);

// The warnings of `check` in words, one sentence each, without a "warning:" prefix:
// every higher mode the can carries, named with its cutoff, and a guide
// wavelength made long by the nearness of the TE11 cutoff.
std::vector<std::string> canWarnings(const CanCheck &check);

} // namespace dishwright
