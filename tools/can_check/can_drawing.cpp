#include "tools/can_check/can_drawing.h"

#include "calc/common/figure_text.h"
#include "tools/kit/tool_colours.h"

#include <QPainter>

#include <algorithm>

namespace dishwright {
CanDrawing::CanDrawing(QWidget *parent) : QWidget(parent) {
  setMinimumSize(240, 160);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setAccessibleName(tr("the can drawn to scale with the probe"));
}

QSize CanDrawing::sizeHint() const {
  const int em = fontMetrics().height();
  return {30 * em, 14 * em};
}

void CanDrawing::setCan(double diameter, std::optional<CanCheck> check, const QString &unitSymbol) {
  diameter_ = diameter;
  check_ = check;
  unit_ = unitSymbol;
  setAccessibleDescription(check ? tr("can %1 %2 wide and %3 %2 long, probe %4 %2 from the back")
                                       .arg(figureAs<QString>(diameter, kSketchDigits), unit_,
                                            figureAs<QString>(check->shortestCan, kSketchDigits),
                                            figureAs<QString>(check->probePosition, kSketchDigits))
                                 : QString());
  update();
}

void CanDrawing::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(rect(), palette().color(QPalette::Base));
  if (!check_)
    return;
  const int em = fontMetrics().height();
  // Room on the right for "open end" beside the mouth.
  const QRectF room = QRectF(rect()).adjusted(5 * em, 2.5 * em, -5.5 * em, -2.5 * em);
  // One scale for both directions: the drawing is the can's true shape.
  const double length = check_->shortestCan;
  const double scale = std::min(room.width() / length, room.height() / diameter_);
  const QSizeF size(length * scale, diameter_ * scale);
  const QRectF can(room.center() - QPointF(size.width() / 2, size.height() / 2), size);

  QColor fill = curveColour(palette());
  fill.setAlphaF(0.12);
  painter.fillRect(can, fill);
  painter.setPen(QPen(palette().color(QPalette::Text), std::max(2.0, em / 6.0)));
  painter.drawLine(can.topLeft(), can.topRight());
  painter.drawLine(can.bottomLeft(), can.bottomRight());
  painter.drawLine(can.topLeft(), can.bottomLeft()); // the closed back
  painter.setPen(QPen(guideColour(palette()), 1, Qt::DashLine));
  painter.drawLine(can.topRight(), can.bottomRight()); // the open mouth

  // The probe stands up from the bottom wall into the can.
  const double x = can.left() + check_->probePosition * scale;
  const double tip = can.bottom() - check_->probeLength * scale;
  painter.setPen(
      QPen(accentColour(palette()), std::max(3.0, em / 4.0), Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(x, can.bottom() + em * 0.6), QPointF(x, tip));

  drawDimension(painter, QPointF(can.left(), can.top() - em), QPointF(can.right(), can.top() - em),
                tr("shortest can %1 %2").arg(figureAs<QString>(length, kSketchDigits), unit_));
  drawDimension(painter, QPointF(can.left(), can.bottom() + 1.6 * em),
                QPointF(x, can.bottom() + 1.6 * em),
                tr("probe %1 %2 from the back")
                    .arg(figureAs<QString>(check_->probePosition, kSketchDigits), unit_));
  painter.setPen(palette().color(QPalette::Text));
  const QString probe =
      tr("probe %1 %2 long").arg(figureAs<QString>(check_->probeLength, kSketchDigits), unit_);
  painter.drawText(
      QRectF(x + em * 0.4, tip - em * 0.5, fontMetrics().horizontalAdvance(probe) + em, em),
      Qt::AlignLeft, probe);
  painter.drawText(QRectF(can.right() + em * 0.4, can.center().y() - em / 2.0, 5 * em, em),
                   Qt::AlignLeft, tr("open end"));
  // The inside diameter, a vertical dimension left of the back.
  const double left = can.left() - 0.7 * em, tick = em / 3.0;
  painter.setPen(QPen(guideColour(palette()), 1));
  painter.drawLine(QPointF(left, can.top()), QPointF(left, can.bottom()));
  painter.drawLine(QPointF(left - tick, can.top()), QPointF(left + tick, can.top()));
  painter.drawLine(QPointF(left - tick, can.bottom()), QPointF(left + tick, can.bottom()));
  painter.setPen(palette().color(QPalette::Text));
  painter.drawText(QRectF(0, can.center().y() - em, left - tick, 2 * em),
                   Qt::AlignRight | Qt::AlignVCenter,
                   tr("%1 %2\ninside").arg(figureAs<QString>(diameter_, kSketchDigits), unit_));
}

// A dimension line with end ticks and its text above, centred.
void CanDrawing::drawDimension(QPainter &painter, QPointF from, QPointF to,
                               const QString &text) const {
  const double tick = fontMetrics().height() / 3.0;
  painter.setPen(QPen(guideColour(palette()), 1));
  painter.drawLine(from, to);
  painter.drawLine(from - QPointF(0, tick), from + QPointF(0, tick));
  painter.drawLine(to - QPointF(0, tick), to + QPointF(0, tick));
  painter.setPen(palette().color(QPalette::Text));
  const double em = fontMetrics().height();
  const double width = fontMetrics().horizontalAdvance(text);
  // Above the line when it is long enough; else after its end, clear of whatever
  // stands at the end (the probe).
  const double left = width <= to.x() - from.x() ? from.x() : to.x() + em * 0.6;
  painter.drawText(QRectF(left, from.y() - em * 1.1, width + em, em), Qt::AlignLeft, text);
}

} // namespace dishwright
