// The frame the feed window's plots share: a data range mapped onto the widget,
// grid lines with their figures on both axes, the axis titles and a legend, all
// sized from the widget's font and coloured from its palette.
#pragma once

#include <QColor>
#include <QPen>
#include <QRectF>
#include <QString>

#include <vector>

class QPainter;
class QWidget;

namespace dishwright {

struct PlotAxis {
  double lowest = 0, highest = 1; // the data range shown, in the axis's unit
  double step = 1;                // between grid lines, in the axis's unit
  QString title;                  // with its unit: "angle off the feed's axis, degrees"
};

// A line of the legend: the pen its curve is drawn with and its name.
struct LegendEntry {
  QPen pen;
  QString name;
};

class PlotFrame {
public:
  // Lays the frame out in `widget`, leaving room for the figures and titles.
  PlotFrame(const QWidget &widget, PlotAxis x, PlotAxis y);

  // The plot area, inside the figures.
  const QRectF &area() const { return area_; }
  // Where the data point (x, y) is drawn; values outside the ranges are clamped
  // to the frame's edge, so that a curve below the floor runs along it.
  QPointF at(double x, double y) const;

  // The background, the grid, the figures and the titles.
  void drawGrid(QPainter &painter) const;
  // A vertical line across the area at `x`, with `label` on text line `row`
  // (from 0, counted up from the bottom), so that two marks close together keep
  // both labels.
  void drawMark(QPainter &painter, double x, const QPen &pen, const QString &label,
                int row = 0) const;
  // The legend in one line above the area.
  void drawLegend(QPainter &painter, const std::vector<LegendEntry> &entries) const;
  // `text` across the middle of the area, for a plot with nothing to draw yet.
  void drawNote(QPainter &painter, const QString &text) const;

private:
  const QWidget &widget_;
  PlotAxis x_, y_;
  QRectF area_;
  double em_;
};

} // namespace dishwright
