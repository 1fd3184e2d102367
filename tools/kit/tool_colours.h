// Colours of the tools' drawings and messages, picked from the palette so that
// each reads on its background in a light and in a dark theme.
#pragma once

#include <QColor>
#include <QPalette>

namespace dishwright {

// True when the palette's Base (the drawing background) is dark.
bool isDarkBase(const QPalette &palette);
// Error text on the Window colour.
QColor errorColour(const QPalette &palette);
// Second data colour of a drawing (residuals, the probe) on Base: an orange dark
// enough for white and light enough for a dark grey.
QColor accentColour(const QPalette &palette);
// First data colour of a drawing (the fitted curve, the can's walls' fill) on
// Base: a blue that reads on white and on a dark grey.
QColor curveColour(const QPalette &palette);
// Secondary text on Window (the meaning under a figure): the text colour drawn 40 %
// toward the background, which keeps a contrast above 4.5:1 in light and dark
// themes, where the palette's placeholder grey does not.
QColor quietTextColour(const QPalette &palette);
// Guide lines and dimension marks on Base: the text colour, half as strong.
QColor guideColour(const QPalette &palette);

} // namespace dishwright
