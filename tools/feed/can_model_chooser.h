// The can's model in the feed window, and how the window says a feed's phase
// centre: the chooser lists the simulated real cans first (the default) and the
// open-waveguide formula second, as the command line's --model does.
#pragma once

#include "calc/physics/can_feed.h"
#include "calc/physics/phase_centre.h"

#include <QString>

class QComboBox;
class QWidget;

namespace dishwright {

QComboBox *makeCanModelChooser(QWidget *parent);
CanModel chosenCanModel(const QComboBox *chooser);

// A length in the phase centre's texts: `wavelengthsPerUnit` free-space
// wavelengths in one `unit` ("mm", "in", "wavelengths").
struct PhaseLengthUnit {
  double wavelengthsPerUnit = 1;
  QString unit;
};

// The phase centre's distance from the mouth, "0.69096 mm", and what it means:
// "in front of the mouth (E 0.40, H 0.98): put the mouth 0.69096 mm behind the
// focus", or the same behind the mouth and in front of the focus.
QString phaseCentreValue(const PhaseCentre &centre, const PhaseLengthUnit &length);
QString phaseCentreMeaning(const PhaseCentre &centre, const PhaseLengthUnit &length);

} // namespace dishwright
