// The profile rows of a screen as a builder takes them elsewhere: pasted into a
// spreadsheet, or saved as a CSV file.
#pragma once

#include <QString>

namespace dishwright {

class RowListModel;

// Tab-separated lines under a heading: "X (inches)<TAB>Y (inches)", then one line a
// row, so that a spreadsheet pastes them into two columns.
QString profileAsTabText(const RowListModel &rows, const QString &unit);

// The same as comma-separated values, heading "x_inches,y_inches" (or _cm).
QString profileAsCsv(const RowListModel &rows, const QString &unit);

} // namespace dishwright
