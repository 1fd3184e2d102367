// Coffee-can waveguide feed: can size, probe position and probe length for the
// design frequency.
#pragma once

#include "calc/screen_rules/design_values.h"
#include "calc/screen_rules/field_sink.h"

namespace dishwright {

// The coffee-can screen's own values, singles in this order, kept by the screen
// for as long as it exists.
struct CoffeeCanValues {
  float idin = 0;    // inside diameter, inches
  float idcm = 0;    // inside diameter, cm
  float milin = 0;   // shortest can length, inches
  float malin = 0;   // longest can length, inches
  float milcm = 0;   // shortest can length, cm
  float malcm = 0;   // longest can length, cm
  float spin = 0;    // probe distance from the closed back, inches
  float spcm = 0;    // probe distance from the closed back, cm
  float antin = 0;   // probe length, inches
  float antcm = 0;   // probe length, cm
  float lambda = 0;  // the lengths' wavelength, inches: the cutoff term taken unsquared, so
                     // in effect the free-space wavelength, as the long-standing length rule has it
  float lambdag = 0; // wavelength in the can (guide wavelength), inches: the probe's base
};

// Reads only `freq` (MHz). Writes the frequency first, then, once all twelve
// values are stored, the can diameter (inches, cm), the shortest and longest can
// (inches), the probe position (inches, cm), the shortest and longest can (cm)
// and the probe length (inches, cm). Throws CalcError at the first failure;
// values stored before it keep their new contents.
void loadCoffeeCan(const DesignValues &design, CoffeeCanValues &can, FieldSink &sink);

} // namespace dishwright
