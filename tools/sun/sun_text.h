// Words and texts the parts of "Check with the sun" share.
#pragma once

#include "calc/physics/sun_noise.h"

#include <QString>

namespace dishwright {

// A figure as a field is filled with it: no trailing zeros, as many digits as
// a single-precision design value or a handed-over figure carries.
QString fieldText(double value);

// What the system temperature fields take: the whole system on cold sky, in
// kelvin, not the LNA's own noise temperature.
QString systemTemperatureMeaning();

// What the beamwidth row means, by where the beamwidth came from.
QString beamwidthMeaning(BeamwidthSource source);

} // namespace dishwright
