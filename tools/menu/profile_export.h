// The profile rows of a screen as a builder takes them elsewhere: pasted into a
// spreadsheet, or saved as a CSV file. The numbers come from the core, written
// as the screens write them.
#pragma once

#include "calc/screen_rules/profile.h"

#include <QString>

#include <vector>

namespace dishwright {

// Tab-separated lines under a heading: "X (inches)<TAB>Y (inches)", then one line a
// row, so that a spreadsheet pastes them into two columns.
QString profileAsTabText(const std::vector<ProfilePoint> &points, const QString &unit);

// The same as comma-separated values, heading "x_inches,y_inches" (or _cm).
QString profileAsCsv(const std::vector<ProfilePoint> &points, const QString &unit);

} // namespace dishwright
