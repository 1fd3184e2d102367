#include "paper/page_furniture.h"

#include "calc/common/units.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace dishwright {
namespace {

// Text is laid out in hundredths of a mm so that glyph metrics are computed at
// a large size: laid out at 2.6 units they would be rounded to whole units.
constexpr double kTextUnitsPerMm = 100;

QRectF anchoredBox(int align) {
  const double big = 1e6; // 10 m in text units: room for any line
  double x = -big / 2, y = -big / 2;
  if (align & Qt::AlignLeft)
    x = 0;
  else if (align & Qt::AlignRight)
    x = -big;
  if (align & Qt::AlignTop)
    y = 0;
  else if (align & Qt::AlignBottom)
    y = -big;
  return {x, y, big, big};
}

void drawBar(QPainter &painter, QPointF topLeft, double divisionMm, int divisions,
             const QString &label) {
  const double height = 3;
  setLinePen(painter, kThinLineMm);
  for (int i = 0; i < divisions; i += 2)
    painter.fillRect(QRectF(topLeft.x() + i * divisionMm, topLeft.y(), divisionMm, height),
                     Qt::black);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(topLeft, QSizeF(divisionMm * divisions, height)));
  drawTextMm(painter, {topLeft.x() + divisionMm * divisions + 2, topLeft.y() + height / 2}, label,
             kTextHeightMm, Qt::AlignLeft | Qt::AlignVCenter);
}

QFont textFont(double heightMm) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(heightMm * kTextUnitsPerMm))));
  return font;
}

} // namespace

QRectF textBoxMm(QPointF anchorMm, const QString &text, double heightMm, int align) {
  const QRectF box =
      QFontMetricsF(textFont(heightMm)).boundingRect(anchoredBox(align), align, text);
  return QRectF(anchorMm + box.topLeft() / kTextUnitsPerMm, box.size() / kTextUnitsPerMm);
}

void drawTextMm(QPainter &painter, QPointF anchorMm, const QString &text, double heightMm,
                int align) {
  painter.save();
  painter.translate(anchorMm);
  painter.scale(1 / kTextUnitsPerMm, 1 / kTextUnitsPerMm);
  painter.setFont(textFont(heightMm));
  painter.setPen(Qt::black);
  painter.drawText(anchoredBox(align), align, text);
  painter.restore();
}

void setLinePen(QPainter &painter, double widthMm, bool dashed) {
  QPen pen(Qt::black, widthMm, dashed ? Qt::DashLine : Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
}

double drawScaleBars(QPainter &painter, QPointF topLeftMm) {
  drawBar(painter, topLeftMm, 10, 10, QStringLiteral("100 mm"));
  drawBar(painter, topLeftMm + QPointF(0, 6), kMmPerInch, 4, QStringLiteral("4 in"));
  drawTextMm(painter, topLeftMm + QPointF(0, 10.5),
             QStringLiteral("Measure both bars: printed at 100 % they are exactly this long."),
             kSmallTextHeightMm, Qt::AlignLeft | Qt::AlignTop);
  return 13;
}

void drawCropMarks(QPainter &painter, QRectF areaMm) {
  const double gap = 1, length = 4;
  setLinePen(painter, kThinLineMm);
  for (QPointF corner :
       {areaMm.topLeft(), areaMm.topRight(), areaMm.bottomLeft(), areaMm.bottomRight()}) {
    const double sx = corner.x() == areaMm.left() ? -1 : 1;
    const double sy = corner.y() == areaMm.top() ? -1 : 1;
    painter.drawLine(corner + QPointF(sx * gap, 0), corner + QPointF(sx * (gap + length), 0));
    painter.drawLine(corner + QPointF(0, sy * gap), corner + QPointF(0, sy * (gap + length)));
  }
}

void drawRegistrationMark(QPainter &painter, QPointF centreMm) {
  setLinePen(painter, kThinLineMm);
  painter.drawEllipse(centreMm, 2.5, 2.5);
  painter.drawLine(centreMm - QPointF(4, 0), centreMm + QPointF(4, 0));
  painter.drawLine(centreMm - QPointF(0, 4), centreMm + QPointF(0, 4));
}

void drawPageMap(QPainter &painter, QRectF areaMm, const TilingPlan &plan, const QPolygonF &shapeMm,
                 int current) {
  QRectF whole = shapeMm.boundingRect();
  for (const PageWindow &w : plan.pages)
    whole |= QRectF(w.leftMm, w.topMm, plan.windowWidthMm, plan.windowHeightMm);
  const double k = std::min(areaMm.width() / whole.width(), areaMm.height() / whole.height());
  painter.save();
  // Right-aligned in the area, so the map stands in the page's corner.
  painter.translate(areaMm.right() - whole.width() * k, areaMm.top());
  painter.scale(k, k);
  painter.translate(-whole.topLeft());
  const double line = kThinLineMm / k;
  const PageWindow &here = plan.pages[static_cast<std::size_t>(current)];
  painter.fillRect(QRectF(here.leftMm, here.topMm, plan.windowWidthMm, plan.windowHeightMm),
                   QColor(200, 200, 200));
  setLinePen(painter, line);
  for (const PageWindow &w : plan.pages)
    painter.drawRect(QRectF(w.leftMm, w.topMm, plan.windowWidthMm, plan.windowHeightMm));
  setLinePen(painter, 2 * line);
  painter.drawPolyline(shapeMm);
  painter.restore();
}

} // namespace dishwright
