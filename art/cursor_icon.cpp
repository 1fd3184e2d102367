// The link cursor and the application icon: small pictures drawn exactly, the
// cursor pixel by pixel so that it stays crisp and two-coloured.
#include "art/art_drawing.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace {
// The pointing hand: 'X' black outline, 'o' white fill, '.' transparent. The
// top of the index finger, the hot spot, is row 9, column 13.
const char *const kHand[32] = {
    "................................", //  0
    "................................", //  1
    "................................", //  2
    "................................", //  3
    "................................", //  4
    "................................", //  5
    "................................", //  6
    "................................", //  7
    "................................", //  8
    ".............X..................", //  9
    "............XoX.................", // 10
    "...........XoooX................", // 11
    "...........XoooX................", // 12
    "...........XoooXXXX.............", // 13
    "...........XoooXoooXXXX.........", // 14
    "...........XoooXoooXoooXXX......", // 15
    "...........XoooXoooXoooXooX.....", // 16
    "...........XoooXoooXoooXooX.....", // 17
    "......XX...XoooXoooXoooXooX.....", // 18
    ".....XooX..XoooXoooXoooXooX.....", // 19
    ".....XoooX.XooooooooooooooX.....", // 20
    "......XoooXXooooooooooooooX.....", // 21
    "......XoooooooooooooooooooX.....", // 22
    ".......XooooooooooooooooooX.....", // 23
    "........XoooooooooooooooooX.....", // 24
    ".........XooooooooooooooooX.....", // 25
    "..........XooooooooooooooX......", // 26
    "...........XoooooooooooooX......", // 27
    "...........XoooooooooooooX......", // 28
    "...........XXXXXXXXXXXXXXX......", // 29
    "................................", // 30
    "................................", // 31
};
} // namespace

QImage drawHandCursor() {
  QImage image(32, 32, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const char c = kHand[y][x];
      if (c == 'X')
        image.setPixel(x, y, qRgba(0, 0, 0, 255));
      else if (c == 'o')
        image.setPixel(x, y, qRgba(255, 255, 255, 255));
    }
  return image;
}

// A cursor must be strictly two-coloured over a clear background (some desktops
// show half-transparent cursor pixels as dirt), and the hot spot handed to
// QCursor must be the fingertip: the single topmost pixel, black, with the
// finger below it centred on the same column.
QString checkHandCursor(const QImage &cursor) {
  if (cursor.size() != QSize(32, 32))
    return "the cursor is not 32 x 32";
  int top = -1;
  for (int y = 0; y < 32; ++y) {
    int left = 32, right = -1;
    for (int x = 0; x < 32; ++x) {
      const QRgb px = cursor.pixel(x, y);
      if (qAlpha(px) == 0)
        continue;
      if (px != qRgba(0, 0, 0, 255) && px != qRgba(255, 255, 255, 255))
        return QString("pixel (%1, %2) is neither black, white nor clear").arg(x).arg(y);
      left = std::min(left, x);
      right = std::max(right, x);
    }
    if (right < 0)
      continue;
    if (top < 0)
      top = y;
    if (y == top && (left != right || cursor.pixel(left, y) != qRgba(0, 0, 0, 255)))
      return QString("the fingertip on row %1 is not a single black pixel").arg(y);
    if (y == top && (left != kCursorHotX || y != kCursorHotY))
      return QString("the fingertip is at (%1, %2), not at the hot spot (%3, %4)")
          .arg(left)
          .arg(y)
          .arg(kCursorHotX)
          .arg(kCursorHotY);
    if (y < top + 4 && left + right != 2 * kCursorHotX)
      return QString("the finger is not centred on column %1 in row %2").arg(kCursorHotX).arg(y);
  }
  return top < 0 ? QString("the cursor is empty") : QString();
}

// --- Application icon ---------------------------------------------------------
// The same shapes as app_icon.svg, in its 64 x 64 user units: keep the two in step.

static QPointF waveEnd(double radius, double degrees) {
  const double a = degrees * std::acos(-1.0) / 180.0;
  return QPointF(25 + radius * std::cos(a), 39 - radius * std::sin(a));
}

static void drawWaves(QPainter &p) {
  p.setPen(QPen(QColor("#f08c00"), 4.0, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  for (const double r : {20.0, 27.0, 34.0}) {
    QPainterPath arc(waveEnd(r, 15));
    arc.arcTo(QRectF(25 - r, 39 - r, 2 * r, 2 * r), 15, 60);
    p.drawPath(arc);
  }
}

QImage drawAppIcon() {
  QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  const QColor navy("#1d3557");
  p.setPen(Qt::NoPen);
  p.setBrush(navy);
  p.drawPolygon(QPolygonF{QPointF(16, 50), QPointF(9, 61), QPointF(23, 61)}); // stand
  // The dish: a parabola is exactly a quadratic Bezier; its focus is the chord's
  // midpoint (25, 39) for this control point.
  QPainterPath dish(QPointF(8, 22));
  dish.quadTo(QPointF(8, 56), QPointF(42, 56));
  p.setBrush(QColor("#8ecae6"));
  p.drawPath(dish);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(navy, 5.0, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(dish);
  p.setPen(QPen(navy, 3.0, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(16.5, 47.5), QPointF(25, 39)); // feed support from the vertex
  drawWaves(p);
  p.setPen(QPen(navy, 2.0));
  p.setBrush(QColor("#e63946"));
  p.drawEllipse(QPointF(25, 39), 4.5, 4.5); // the feed at the focus
  p.end();
  return image.convertToFormat(QImage::Format_ARGB32);
}
