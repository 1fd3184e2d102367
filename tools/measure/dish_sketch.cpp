#include "tools/measure/dish_sketch.h"

#include "calc/common/figure_text.h"
#include "tools/kit/tool_colours.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace dishwright {
DishSketch::DishSketch(QWidget *parent) : QWidget(parent) {
  setMinimumSize(240, 160);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setAccessibleName(tr("the dish drawn to scale with its focus"));
}

QSize DishSketch::sizeHint() const {
  const int em = fontMetrics().height();
  return {30 * em, 16 * em};
}

void DishSketch::setPrimeFocus(double diameter, double depth, std::optional<PrimeFocusDish> dish,
                               const QString &unitSymbol) {
  diameter_ = diameter, depth_ = depth, prime_ = dish, offset_.reset(), unit_ = unitSymbol;
  update();
}

void DishSketch::setOffset(std::optional<OffsetDish> dish, const QString &unitSymbol) {
  offset_ = dish, prime_.reset(), unit_ = unitSymbol;
  update();
}

DishSketch::View DishSketch::fit(const QRectF &area, double yMin, double yMax, double zMin,
                                 double zMax) const {
  // One scale both ways, so that the drawing has the dish's true shape.
  const double scale = std::min(area.width() / (yMax - yMin), area.height() / (zMax - zMin));
  const QSizeF used((yMax - yMin) * scale, (zMax - zMin) * scale);
  const QRectF centred(area.center() - QPointF(used.width() / 2, used.height() / 2), used);
  return {centred, yMin, zMin, scale};
}

void DishSketch::drawParabola(QPainter &painter, const View &view, double from, double to) const {
  QPainterPath path;
  const double focal = prime_ ? prime_->focalLength : offset_->focalLength;
  const int steps = 64;
  for (int i = 0; i <= steps; ++i) {
    const double y = from + (to - from) * i / steps;
    const QPointF p = view.at(y, paraboloidDepth(focal, y));
    i == 0 ? path.moveTo(p) : path.lineTo(p);
  }
  painter.drawPath(path);
}

// Lines from the focus to the two rims: the cone the feed must light.
void DishSketch::drawFocus(QPainter &painter, const View &view, double rimA, double rimB,
                           const QString &label) const {
  const double focal = prime_ ? prime_->focalLength : offset_->focalLength;
  const QPointF focus = view.at(0, focal);
  painter.setPen(QPen(accentColour(palette()), 1.5));
  painter.drawLine(focus, view.at(rimA, paraboloidDepth(focal, rimA)));
  painter.drawLine(focus, view.at(rimB, paraboloidDepth(focal, rimB)));
  painter.setBrush(accentColour(palette()));
  const double dot = fontMetrics().height() / 4.0;
  painter.drawEllipse(focus, dot, dot);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(palette().color(QPalette::Text));
  const int em = fontMetrics().height();
  painter.drawText(QRectF(focus.x() + em * 0.5, focus.y() - em * 1.2, 20 * em, em), Qt::AlignLeft,
                   label);
}

void DishSketch::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(rect(), palette().color(QPalette::Base));
  if (!prime_ && !offset_)
    return;
  const int em = fontMetrics().height();
  const QRectF area = QRectF(rect()).adjusted(2 * em, 2 * em, -2 * em, -1.8 * em);
  const QPen surface(palette().color(QPalette::Text), std::max(2.0, em / 6.0));
  const QString focusLabel =
      tr("focus, %1 %2 from the vertex")
          .arg(
              figureAs<QString>(prime_ ? prime_->focalLength : offset_->focalLength, kSketchDigits),
              unit_);
  if (prime_) {
    const double rim = diameter_ / 2;
    const View view = fit(area, -rim, rim, 0, std::max(prime_->focalLength, depth_) * 1.05);
    painter.setPen(QPen(guideColour(palette()), 1, Qt::DashLine)); // the straightedge
    painter.drawLine(view.at(-rim, depth_), view.at(rim, depth_));
    painter.drawLine(view.at(0, depth_), view.at(0, 0));
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(view.at(0, depth_ / 2) + QPointF(em * 0.4, em * 0.3),
                     tr("depth %1 %2").arg(figureAs<QString>(depth_, kSketchDigits), unit_));
    painter.setPen(surface);
    drawParabola(painter, view, -rim, rim);
    drawFocus(painter, view, -rim, rim, focusLabel);
    return;
  }
  const OffsetDish &dish = *offset_;
  const double yMin = std::min(0.0, dish.nearRim), yMax = dish.farRim;
  const View view = fit(area, yMin, yMax, 0,
                        std::max(dish.focalLength, paraboloidDepth(dish.focalLength, yMax)) * 1.05);
  painter.setPen(QPen(guideColour(palette()), 1, Qt::DashLine)); // the larger dish, uncut
  drawParabola(painter, view, yMin, yMax);
  painter.setPen(surface);
  drawParabola(painter, view, dish.nearRim, dish.farRim);
  drawFocus(painter, view, dish.nearRim, dish.farRim, focusLabel);
  painter.setPen(QPen(guideColour(palette()), 1, Qt::DotLine)); // its axis
  painter.drawLine(view.at(0, 0), QPointF(view.at(0, 0).x(), area.top()));
  painter.setPen(palette().color(QPalette::Text));
  painter.drawText(view.at(0, 0) + QPointF(em * 0.4, em * 0.9), tr("vertex of the larger dish"));
  drawOffsetFeed(painter, view);
}

// The straightedge across the long axis, the two tapes from its ends to the
// focus with their lengths, the aim line to its point, and the feed along it.
void DishSketch::drawOffsetFeed(QPainter &painter, const View &view) const {
  const OffsetDish &dish = *offset_;
  const double em = fontMetrics().height();
  const QPointF focus = view.at(0, dish.focalLength);
  const QPointF nearRim = view.at(dish.nearRim, paraboloidDepth(dish.focalLength, dish.nearRim));
  const QPointF farRim = view.at(dish.farRim, paraboloidDepth(dish.focalLength, dish.farRim));
  const QLineF straightedge(nearRim, farRim);
  // The aim point at its distance from the near rim, on the straightedge as long
  // as the height measured.
  const double height =
      std::hypot(dish.farRim - dish.nearRim, paraboloidDepth(dish.focalLength, dish.farRim) -
                                                 paraboloidDepth(dish.focalLength, dish.nearRim));
  const QPointF aim = straightedge.pointAt(dish.aimFromNearRim / height);
  painter.setPen(QPen(guideColour(palette()), 1, Qt::DashLine));
  painter.drawLine(straightedge);
  painter.setPen(QPen(accentColour(palette()), 1.5, Qt::DashDotLine));
  painter.drawLine(focus, aim);
  painter.setBrush(accentColour(palette()));
  painter.drawEllipse(aim, em / 5, em / 5);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(palette().color(QPalette::Text));
  const auto length = [this](double value) {
    return tr("%1 %2").arg(figureAs<QString>(value, kSketchDigits), unit_);
  };
  painter.drawText(QLineF(focus, nearRim).center() + QPointF(em * 0.4, em * 0.3),
                   length(dish.focusToNearRim));
  painter.drawText(QLineF(focus, farRim).center() + QPointF(em * 0.4, em * 0.3),
                   length(dish.focusToFarRim));
  painter.drawText(aim + QPointF(em * 0.5, em * 1.2),
                   tr("aim %1 from the near rim").arg(length(dish.aimFromNearRim)));
  drawFeed(painter, focus, aim);
}

// A small horn at the focus, its mouth toward `aim`.
void DishSketch::drawFeed(QPainter &painter, const QPointF &focus, const QPointF &aim) const {
  const double em = fontMetrics().height();
  QLineF axis(focus, aim);
  if (axis.length() <= 0)
    return;
  const QPointF along = (aim - focus) / axis.length();
  const QPointF across(-along.y(), along.x());
  const QPointF throat = focus - along * (1.4 * em);
  const QPolygonF horn({focus + across * (0.6 * em), throat + across * (0.25 * em),
                        throat - across * (0.25 * em), focus - across * (0.6 * em)});
  painter.setPen(QPen(palette().color(QPalette::Text), 1.5));
  painter.setBrush(palette().color(QPalette::Base));
  painter.drawPolygon(horn);
  painter.setBrush(Qt::NoBrush);
}

} // namespace dishwright
