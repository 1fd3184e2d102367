// What every template page carries besides the drawing: text at a true height,
// the scale bars, crop and registration marks and the map of the whole. All
// functions draw in a painter whose unit is 1 mm on paper.
#pragma once

#include "calc/page_layout/page_tiling.h"

#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>

class QPainter;

namespace dishwright {

constexpr double kTextHeightMm = 2.6;      // body text, about 10 pt
constexpr double kSmallTextHeightMm = 2.0; // tick and mark labels
constexpr double kThinLineMm = 0.15;
constexpr double kCurveLineMm = 0.4; // the edge to cut along

// Draws `text` with its em `heightMm` tall, placed by `align` around `anchorMm`
// (e.g. Qt::AlignLeft | Qt::AlignBottom puts the text's bottom-left corner there).
void drawTextMm(QPainter &painter, QPointF anchorMm, const QString &text, double heightMm,
                int align);

// The box, mm, that drawTextMm() fills with the same arguments.
QRectF textBoxMm(QPointF anchorMm, const QString &text, double heightMm, int align);

// A thin pen for lines drawn in mm; `dashed` for reference lines that are not cut.
void setLinePen(QPainter &painter, double widthMm, bool dashed = false);

// The 100 mm bar and below it the 4 inch bar, each with cm or inch divisions and
// labelled, starting at `topLeftMm`; the height they take, mm.
double drawScaleBars(QPainter &painter, QPointF topLeftMm);

// Corner marks outside the rectangle, to trim by.
void drawCropMarks(QPainter &painter, QRectF areaMm);

// A circle and cross that prints on both pages of a seam; align the two when gluing.
void drawRegistrationMark(QPainter &painter, QPointF centreMm);

// A small map of the whole drawing in `areaMm`: the outline `shapeMm` (drawing mm),
// the window of every page printed (and only those), the page `current` filled.
void drawPageMap(QPainter &painter, QRectF areaMm, const TilingPlan &plan, const QPolygonF &shapeMm,
                 int current);

} // namespace dishwright
