// Load calculations of the two calculation screens: the dish's figures, then its
// profile list.
#pragma once

#include "calc/screen_rules/design_values.h"
#include "calc/screen_rules/field_sink.h"

namespace dishwright {

// The figures alone, without the profile list, by the same steps: for windows
// that show the calculation screens' rule-of-thumb gain or beamwidth beside
// their own. `metric`: `dia` in metres.
void loadDishFigures(DesignValues &values, bool metric, FieldSink &sink);

// Imperial screen: `dia` in feet, mesh size in inches, profile in inches.
// Writes the frequency, diameter, mesh unit, diameter unit, mesh size, gain and
// beamwidth, in that order, then the rows.
// Stores mesh, dbdia, dbfreq, dbsum, gain, beam, focin and depin as it goes.
// Throws CalcError at the first failure; what was written stays written.
void loadImperialScreen(DesignValues &values, FieldSink &sink);

// Metric screen: `dia` in metres, mesh size in mm, profile in cm. Same fields,
// foccm and depcm in place of focin and depin.
void loadMetricScreen(DesignValues &values, FieldSink &sink);

} // namespace dishwright
