// Drawing routines behind dishwright_make_art, the tool that regenerates the
// pictures committed in this folder. Each routine returns a finished image of
// the exact size the program's screens were laid out for.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QString>

class QPainter;

QImage drawDishPhoto();      // 212 x 243, greyscale
QImage drawProfileDiagram(); // 315 x 171
QImage drawCanDrawing();     // 437 x 131
QImage drawHandCursor();     // 32 x 32, hot spot at kCursorHotX, kCursorHotY
QImage drawAppIcon();        // 64 x 64, same shapes as app_icon.svg

// The link cursor's hot spot: the top of the index finger.
constexpr int kCursorHotX = 13;
constexpr int kCursorHotY = 9;

// Returns an empty string when the cursor is usable, else what is wrong with it.
QString checkHandCursor(const QImage &cursor);

// Shared by the diagrams: the label font and dimension-line pieces.
QFont labelFont(int pixelSize, bool bold);
void drawArrowHead(QPainter &p, QPointF tip, QPointF from, const QColor &color);
void drawDoubleArrow(QPainter &p, QPointF a, QPointF b, const QColor &color);
