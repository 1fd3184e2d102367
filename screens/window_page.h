// A print screen's window drawn with the application's style, control by
// control, so that a printer receives text and lines rather than a picture of
// the screen. Coordinates are layout pixels (1/96 inch) from the client area's
// corner.
#pragma once

#include <QRect>
#include <QSize>

class QListView;
class QPainter;
class QPalette;
class QString;
class QWidget;

namespace dishwright {

// Where a six-column list puts its rows: equal cells filled top to bottom, one
// column after another, in the list's viewport.
struct ColumnGrid {
  QSize cell;            // layout px
  int rowsPerColumn = 1; // as many as the viewport holds without a scroll bar
  QRect cellOf(int row) const {
    return {QPoint(row / rowsPerColumn * cell.width(), row % rowsPerColumn * cell.height()), cell};
  }
};
ColumnGrid columnGrid(const QListView &list);

// The window's background and its list and buttons as they stand at rest (no
// focus, hover or selection: what matters on paper is the content). Only rows
// that fit the list's grid are drawn.
void drawWindow(QPainter &painter, const QWidget &window);

// One row as the list's own items draw it, in the list's font.
void drawRow(QPainter &painter, const QListView &list, const QPalette &palette, const QString &text,
             const QRect &cell);

} // namespace dishwright
