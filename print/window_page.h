// A print screen's window drawn with the application's style, control by
// control, so that a printer receives text and lines rather than a picture of
// the screen. Coordinates are layout pixels (1/96 inch) from the client area's
// corner.
#pragma once

#include <QRect>

class QAbstractItemModel;
class QListView;
class QPainter;
class QPalette;
class QString;
class QWidget;

namespace dishwright {

// How many rows the list's first column holds as the view lays them out: the
// view keeps room for its horizontal scroll bar even while it is hidden, so
// this is asked of the view, not worked out from the list's height.
int rowsPerColumn(const QListView &list);

// The text of list row `row` as the list shows it.
QString rowText(const QAbstractItemModel &rows, int row);

// The window's background and its list and buttons as they stand at rest (no
// focus, hover or selection: what matters on paper is the content), the rows
// where the list shows them.
void drawWindow(QPainter &painter, const QWidget &window);

// One row as the list's own items draw it, in the list's font.
void drawRow(QPainter &painter, const QListView &list, const QPalette &palette, const QString &text,
             const QRect &cell);

} // namespace dishwright
