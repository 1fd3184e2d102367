#include "tools/feed/plot_frame.h"

#include "calc/common/figure_text.h"
#include "tools/kit/tool_colours.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace dishwright {
namespace {

// The grid values of `axis`: every multiple of its step within its range.
std::vector<double> gridValues(const PlotAxis &axis) {
  std::vector<double> values;
  const double first = std::ceil(axis.lowest / axis.step - 1e-9);
  for (double k = first;; ++k) {
    double value = k * axis.step;
    if (value > axis.highest + axis.step * 1e-9)
      break;
    if (std::fabs(value) < axis.step * 1e-9)
      value = 0; // never "-0"
    values.push_back(value);
  }
  return values;
}

QString gridText(double value) {
  return QString::fromStdString(plainFigureText(value, kSketchDigits));
}

double fraction(const PlotAxis &axis, double value) {
  return std::clamp((value - axis.lowest) / (axis.highest - axis.lowest), 0.0, 1.0);
}

} // namespace

PlotFrame::PlotFrame(const QWidget &widget, PlotAxis x, PlotAxis y)
    : widget_(widget), x_(std::move(x)), y_(std::move(y)) {
  const QFontMetricsF metrics(widget.font());
  em_ = metrics.height();
  double widest = 0;
  for (const double value : gridValues(y_))
    widest = std::max(widest, metrics.horizontalAdvance(gridText(value)));
  const QRectF whole(widget.rect());
  area_ = whole.adjusted(1.4 * em_ + widest + 0.4 * em_, 1.6 * em_, -1.2 * em_, -2.4 * em_);
  if (area_.width() < em_ || area_.height() < em_) // a widget squeezed to nothing
    area_ = QRectF(whole.center(), QSizeF(em_, em_));
}

QPointF PlotFrame::at(double x, double y) const {
  return {area_.left() + fraction(x_, x) * area_.width(),
          area_.bottom() - fraction(y_, y) * area_.height()};
}

void PlotFrame::drawGrid(QPainter &painter) const {
  const QPalette &palette = widget_.palette();
  painter.fillRect(widget_.rect(), palette.color(QPalette::Base));
  QColor faint = guideColour(palette);
  faint.setAlphaF(0.25);
  const QPen grid(faint, 1); // solid: dotted lines cost more to draw than the curves
  const QColor text = palette.color(QPalette::Text);
  for (const double value : gridValues(x_)) {
    const QPointF bottom = at(value, y_.lowest);
    painter.setPen(grid);
    painter.drawLine(bottom, at(value, y_.highest));
    painter.setPen(text);
    painter.drawText(QRectF(bottom.x() - 3 * em_, bottom.y() + 0.15 * em_, 6 * em_, em_),
                     Qt::AlignHCenter | Qt::AlignTop, gridText(value));
  }
  for (const double value : gridValues(y_)) {
    const QPointF left = at(x_.lowest, value);
    painter.setPen(grid);
    painter.drawLine(left, at(x_.highest, value));
    painter.setPen(text);
    painter.drawText(QRectF(left.x() - 6.3 * em_, left.y() - em_ / 2, 6 * em_, em_),
                     Qt::AlignRight | Qt::AlignVCenter, gridText(value));
  }
  painter.setPen(QPen(guideColour(palette), 1));
  painter.drawRect(area_);
  painter.setPen(text);
  painter.drawText(QRectF(area_.left(), area_.bottom() + 1.15 * em_, area_.width(), em_),
                   Qt::AlignHCenter | Qt::AlignTop, x_.title);
  painter.save();
  painter.translate(0.2 * em_, area_.center().y());
  painter.rotate(-90);
  painter.drawText(QRectF(-area_.height() / 2, 0, area_.height(), em_), Qt::AlignCenter, y_.title);
  painter.restore();
}

void PlotFrame::drawMark(QPainter &painter, double x, const QPen &pen, const QString &label,
                         int row) const {
  if (x < x_.lowest || x > x_.highest)
    return;
  const QPointF top = at(x, y_.highest);
  painter.setPen(pen);
  painter.drawLine(top, at(x, y_.lowest));
  const QFontMetricsF metrics(widget_.font());
  const double width = metrics.horizontalAdvance(label) + 0.6 * em_;
  // Right of the line, or left of it near the right edge.
  const double left = top.x() + width > area_.right() ? top.x() - width : top.x();
  const QRectF box(left, area_.bottom() - (row + 1.1) * em_, width, em_);
  painter.fillRect(box, widget_.palette().color(QPalette::Base));
  painter.setPen(widget_.palette().color(QPalette::Text));
  painter.drawText(box, Qt::AlignCenter, label);
}

void PlotFrame::drawLegend(QPainter &painter, const std::vector<LegendEntry> &entries) const {
  const QFontMetricsF metrics(widget_.font());
  const double y = area_.top() - 0.75 * em_, line = 2 * em_;
  double x = area_.left();
  for (const LegendEntry &entry : entries) {
    painter.setPen(entry.pen);
    painter.drawLine(QPointF(x, y), QPointF(x + line, y));
    x += line + 0.4 * em_;
    const double width = metrics.horizontalAdvance(entry.name);
    painter.setPen(widget_.palette().color(QPalette::Text));
    painter.drawText(QRectF(x, y - em_ / 2, width + em_, em_), Qt::AlignLeft | Qt::AlignVCenter,
                     entry.name);
    x += width + 1.2 * em_;
  }
}

void PlotFrame::drawNote(QPainter &painter, const QString &text) const {
  painter.setPen(widget_.palette().color(QPalette::Text));
  painter.drawText(area_.adjusted(em_, em_, -em_, -em_), Qt::AlignCenter | Qt::TextWordWrap, text);
}

} // namespace dishwright
