// The two line drawings beside the calculators: the dish profile (what the X and
// Y columns of the profile listing mean) and the coffee-can feed (what its
// dimensions measure).
#include "art/art_drawing.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QStringList>
#include <cmath>

QFont labelFont(int pixelSize, bool bold) {
  QFont font;
  font.setFamilies(QStringList{"Liberation Sans", "DejaVu Sans"});
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  // Let the font's own hinting decide: the labels are tiny and must stay sharp.
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

// Points given in whole pixels name pixel centres, hence the half-pixel shifts.
static QPointF centreOf(QPointF pixel) { return pixel + QPointF(0.5, 0.5); }

void drawArrowHead(QPainter &p, QPointF tip, QPointF from, const QColor &color) {
  const QLineF shaft(centreOf(tip), centreOf(from));
  const QPointF along = shaft.unitVector().p2() - shaft.p1();
  const QPointF across(-along.y(), along.x());
  const QPointF t = shaft.p1() - along * 0.3;
  const QPolygonF head{t, t + along * 6.0 + across * 2.5, t + along * 6.0 - across * 2.5};
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  p.drawPolygon(head);
  p.restore();
}

// A dimension line with an arrow head at each end; a and b are pixel positions.
void drawDoubleArrow(QPainter &p, QPointF a, QPointF b, const QColor &color) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(color, 0));
  p.drawLine(a.toPoint(), b.toPoint());
  p.restore();
  drawArrowHead(p, a, b, color);
  drawArrowHead(p, b, a, color);
}

static void drawLine(QPainter &p, int x1, int y1, int x2, int y2, const QColor &color,
                     Qt::PenStyle style = Qt::SolidLine) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(color, 0, style));
  p.drawLine(x1, y1, x2, y2);
  p.restore();
}

// Draws text with its centre at (x, y).
static void drawCentred(QPainter &p, double x, double y, const QString &text) {
  const QRectF box(x - 100, y - 20, 200, 40);
  p.drawText(box, Qt::AlignCenter, text);
}

// Draws text with its left edge at x, centred vertically on y.
static void drawLeft(QPainter &p, double x, double y, const QString &text) {
  const QRectF box(x, y - 20, 200, 40);
  p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
}

// --- Dish profile -------------------------------------------------------------

namespace {
// The parabola in pixels: vertex, half width and rim height.
constexpr int kVx = 128, kVy = 130, kHalfWidth = 115, kRimHeight = 92;
constexpr int kSteps = 5; // red sample points, one per X step
constexpr double kFocal = double(kHalfWidth) * kHalfWidth / (4.0 * kRimHeight);

double depthAt(double dx) { return dx * dx / (4.0 * kFocal); }
QPointF onCurve(double dx) { return QPointF(kVx + dx + 0.5, kVy - depthAt(dx) + 0.5); }
} // namespace

static void drawParabola(QPainter &p) {
  QPainterPath curve;
  curve.moveTo(onCurve(-kHalfWidth));
  for (int dx = -kHalfWidth + 1; dx <= kHalfWidth; ++dx)
    curve.lineTo(onCurve(dx));
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(Qt::black, 2.0, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(curve);
}

static void drawFocalLength(QPainter &p, const QColor &blue) {
  const int fy = int(std::lround(kVy - kFocal));
  drawLine(p, kVx, kVy, kVx, fy, blue);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(Qt::NoPen);
  p.setBrush(blue);
  p.drawEllipse(QPointF(kVx + 0.5, fy + 0.5), 3.0, 3.0);
  const int ax = kVx - 12;
  drawLine(p, kVx - 4, fy, ax - 4, fy, blue);
  drawDoubleArrow(p, QPointF(ax, kVy), QPointF(ax, fy), blue);
  p.setPen(blue);
  p.setFont(labelFont(10, true));
  drawCentred(p, kVx + 0.5, fy - 11, "FOCAL LENGTH");
}

static void drawXUnits(QPainter &p, const QColor &red) {
  const int step = kHalfWidth / kSteps, y = kVy + 13, rimX = kVx + kHalfWidth;
  drawLine(p, kVx, kVy + 4, kVx, y + 4, red);
  drawLine(p, rimX, kVy - kRimHeight + 4, rimX, y + 4, red, Qt::DotLine);
  for (int k = 1; k < kSteps; ++k) // ticks under the sample points show the equal steps
    drawLine(p, kVx + k * step, y - 2, kVx + k * step, y + 2, red);
  drawDoubleArrow(p, QPointF(kVx, y), QPointF(rimX, y), red);
  p.setPen(red);
  p.setFont(labelFont(10, true));
  drawCentred(p, kVx + kHalfWidth / 2.0 + 0.5, y + 11, "X UNITS");
}

// The sample points go on top of the curve, one per X step out to the rim.
static void drawSamplePoints(QPainter &p, const QColor &red) {
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(Qt::NoPen);
  p.setBrush(red);
  for (int k = 1; k <= kSteps; ++k)
    p.drawEllipse(onCurve(k * (kHalfWidth / kSteps)), 2.6, 2.6);
}

static void drawYUnits(QPainter &p) {
  const int rimX = kVx + kHalfWidth, rimY = kVy - kRimHeight, x = rimX + 14;
  drawLine(p, rimX + 3, rimY, x + 4, rimY, Qt::black);
  drawLine(p, kVx + 4, kVy, x + 4, kVy, Qt::black, Qt::DotLine);
  drawDoubleArrow(p, QPointF(x, rimY), QPointF(x, kVy), Qt::black);
  p.setPen(Qt::black);
  p.setFont(labelFont(10, true));
  drawLeft(p, x + 7, (rimY + kVy) / 2.0 + 0.5, "Y UNITS");
}

QImage drawProfileDiagram() {
  QImage image(315, 171, QImage::Format_RGB32);
  image.fill(QColor(255, 255, 153));
  QPainter p(&image);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  drawYUnits(p);
  const QColor red(220, 0, 0);
  drawXUnits(p, red);
  drawFocalLength(p, QColor(0, 0, 225));
  drawParabola(p);
  drawSamplePoints(p, red);
  p.end();
  return image;
}

// --- Coffee-can feed ----------------------------------------------------------

namespace {
// The can in pixels: closed back, open end, walls, and the probe's position.
constexpr int kBackX = 100, kOpenX = 322, kTopY = 34, kBottomY = 104;
constexpr int kLipRx = 11; // half width of the open end's ellipse
constexpr int kProbeX = 146, kProbeTopY = 78;
} // namespace

static void drawCan(QPainter &p) {
  drawLine(p, kBackX, kTopY, kOpenX, kTopY, Qt::black);
  drawLine(p, kBackX, kBottomY, kOpenX, kBottomY, Qt::black);
  drawLine(p, kBackX, kTopY, kBackX, kBottomY, Qt::black);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(Qt::black, 1.0));
  p.setBrush(Qt::NoBrush);
  const double ry = (kBottomY - kTopY) / 2.0;
  p.drawEllipse(QPointF(kOpenX + 0.5, kTopY + ry + 0.5), kLipRx, ry);
}

// The probe rod inside and its chassis connector hanging below the can.
static void drawProbe(QPainter &p) {
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  p.drawRect(kProbeX, kProbeTopY, 2, kBottomY - kProbeTopY);
  p.setPen(QPen(Qt::black, 0));
  p.setBrush(Qt::white);
  const int c = kProbeX + 1;
  p.drawRect(c - 9, kBottomY + 1, 18, 2); // flange against the wall
  p.drawRect(c - 6, kBottomY + 3, 12, 9); // body
  p.drawRect(c - 4, kBottomY + 12, 8, 9); // threaded barrel
  for (int y = kBottomY + 14; y < kBottomY + 21; y += 2)
    p.drawLine(c - 4, y, c + 4, y);
  p.drawLine(c - 2, kBottomY + 3, c - 2, kBottomY + 12);
  p.drawLine(c + 2, kBottomY + 3, c + 2, kBottomY + 12);
}

static void drawCanLabels(QPainter &p) {
  p.setPen(Qt::black);
  p.setFont(labelFont(11, false));
  const QFontMetrics metrics(p.font());
  // LENGTH: across the top, the label set into a gap in the dimension line.
  const int ly = 17, mid = (kBackX + kOpenX) / 2, gap = metrics.horizontalAdvance("LENGTH") / 2 + 5;
  drawLine(p, kBackX, kTopY - 3, kBackX, ly - 4, Qt::black);
  drawLine(p, kOpenX, kTopY - 3, kOpenX, ly - 4, Qt::black);
  drawLine(p, kBackX, ly, mid - gap, ly, Qt::black);
  drawLine(p, mid + gap, ly, kOpenX, ly, Qt::black);
  drawArrowHead(p, QPointF(kBackX, ly), QPointF(mid, ly), Qt::black);
  drawArrowHead(p, QPointF(kOpenX, ly), QPointF(mid, ly), Qt::black);
  drawCentred(p, mid + 0.5, ly + 0.5, "LENGTH");
  // DIAMETER: beside the open end.
  const int dx = kOpenX + kLipRx + 13;
  drawLine(p, kOpenX + 3, kTopY, dx + 4, kTopY, Qt::black);
  drawLine(p, kOpenX + 3, kBottomY, dx + 4, kBottomY, Qt::black);
  drawDoubleArrow(p, QPointF(dx, kTopY), QPointF(dx, kBottomY), Qt::black);
  drawLeft(p, dx + 7, (kTopY + kBottomY) / 2.0 + 0.5, "DIAMETER");
}

static void drawProbeLabels(QPainter &p) {
  // PLACEMENT: back wall to probe, called out from the left.
  const int py = 60;
  drawLine(p, kProbeX, kProbeTopY - 3, kProbeX, py - 4, Qt::black);
  drawDoubleArrow(p, QPointF(kBackX, py), QPointF(kProbeX, py), Qt::black);
  drawLine(p, kBackX - 24, py, kBackX - 2, py, Qt::black);
  drawArrowHead(p, QPointF(kBackX - 1, py), QPointF(kBackX - 24, py), Qt::black);
  p.setPen(Qt::black);
  p.setFont(labelFont(11, false));
  const QFontMetrics metrics(p.font());
  drawLeft(p, kBackX - 28 - metrics.horizontalAdvance("PLACEMENT"), py + 0.5, "PLACEMENT");
  // ANTENNA: the probe's length above the wall.
  const int ax = kProbeX + 13;
  drawLine(p, kProbeX + 4, kProbeTopY, ax + 4, kProbeTopY, Qt::black);
  drawDoubleArrow(p, QPointF(ax, kProbeTopY), QPointF(ax, kBottomY - 1), Qt::black);
  drawLeft(p, ax + 7, (kProbeTopY + kBottomY) / 2.0 + 0.5, "ANTENNA");
}

QImage drawCanDrawing() {
  QImage image(437, 131, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  drawCan(p);
  drawProbe(p);
  drawCanLabels(p);
  drawProbeLabels(p);
  p.end();
  return image;
}
