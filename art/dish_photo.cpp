// The "photograph" on the start screen: a home-built mesh dish on a lattice
// tower. It is rendered, not painted: the dish surface is ray-cast so that its
// shading and mesh follow the real paraboloid, then ribs, hoops, feed struts and
// the feed are drawn in the same projection. Everything is rendered at three
// times the size and scaled down, which gives the soft edges of a photo; grain
// from a fixed seed keeps the committed file reproducible.
#include "art/art_drawing.h"

#include "calc/common/units.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {
using dishwright::kPi;
constexpr int kWidth = 212, kHeight = 243, kSuper = 3;
// The dish has radius 1 and f/D 0.4; it is turned 28 degrees to the right and
// tipped 12 degrees up, seen from far away, so that parallel lines stay parallel.
constexpr double kFocal = 0.8, kYaw = 28 * kPi / 180, kPitch = 12 * kPi / 180;
constexpr double kPixelsPerRadius = 88, kVertexX = 96, kVertexY = 100;

struct Vec3 {
  double x, y, z;
};

double dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 normalised(Vec3 v) {
  const double n = std::sqrt(dot(v, v));
  return {v.x / n, v.y / n, v.z / n};
}

// Dish frame (axis +z, towards the viewer before turning) to world (y up, viewer at +z).
Vec3 toWorld(Vec3 p) {
  const double y = p.y * std::cos(kPitch) + p.z * std::sin(kPitch);
  const double z = -p.y * std::sin(kPitch) + p.z * std::cos(kPitch);
  return {p.x * std::cos(kYaw) + z * std::sin(kYaw), y, -p.x * std::sin(kYaw) + z * std::cos(kYaw)};
}

Vec3 toDish(Vec3 w) {
  const double x = w.x * std::cos(kYaw) - w.z * std::sin(kYaw);
  const double z = w.x * std::sin(kYaw) + w.z * std::cos(kYaw);
  return {x, w.y * std::cos(kPitch) - z * std::sin(kPitch),
          w.y * std::sin(kPitch) + z * std::cos(kPitch)};
}

// Where a point of the dish frame lands in the final picture.
QPointF project(Vec3 p) {
  const Vec3 w = toWorld(p);
  return QPointF(kVertexX + w.x * kPixelsPerRadius, kVertexY - w.y * kPixelsPerRadius);
}

// A point on the paraboloid at radius r and angle phi.
Vec3 onDish(double r, double phi) {
  return {r * std::cos(phi), r * std::sin(phi), r * r / (4 * kFocal)};
}

// xorshift: the grain and the tree line must come out the same on every machine.
struct Random {
  std::uint32_t state = 2304;
  double next() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state / 4294967296.0;
  }
};

double clamp01(double v) { return std::clamp(v, 0.0, 1.0); }
} // namespace

static void paintSky(QPainter &p) {
  QLinearGradient sky(0, 0, 0, kHeight);
  sky.setColorAt(0, QColor(132, 132, 132));
  sky.setColorAt(1, QColor(226, 226, 226));
  p.fillRect(QRectF(0, 0, kWidth, kHeight), sky);
  // Soft clouds.
  const struct {
    double x, y, rx, ry;
    int alpha;
  } clouds[] = {
      {30, 40, 60, 22, 70}, {185, 25, 50, 16, 60}, {170, 150, 70, 20, 55}, {20, 190, 50, 14, 50}};
  for (const auto &c : clouds) {
    QRadialGradient g(QPointF(0, 0), 1);
    g.setColorAt(0, QColor(245, 245, 245, c.alpha));
    g.setColorAt(1, QColor(245, 245, 245, 0));
    p.save();
    p.translate(c.x, c.y);
    p.scale(c.rx, c.ry);
    p.fillRect(QRectF(-1, -1, 2, 2), g);
    p.restore();
  }
}

// Distant trees along the bottom edge, hazy with distance.
static void paintTreeLine(QPainter &p) {
  Random random;
  QPolygonF trees;
  trees << QPointF(0, kHeight);
  for (int x = 0; x <= kWidth; x += 2) {
    const double h = 14 + 4 * std::sin(x * 0.05) + 3 * std::sin(x * 0.17 + 1) + 3 * random.next();
    trees << QPointF(x, kHeight - h);
  }
  trees << QPointF(kWidth, kHeight);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(112, 112, 112));
  p.drawPolygon(trees);
}

// A three-legged lattice tower standing behind the dish, its top at the dish's hub.
static void paintMast(QPainter &p) {
  const double top = kVertexY + 4, bottom = kHeight + 8, cx = kVertexX + 4;
  const auto legX = [&](double y, double side) {
    const double t = (y - top) / (bottom - top);
    return cx + side * (9 + 10 * t);
  };
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(92, 92, 92), 0.8));
  const double panel = 15;
  for (double y = top; y < bottom; y += panel) { // bracing, lighter than the legs
    p.drawLine(QPointF(legX(y, -1), y), QPointF(legX(y, 1), y));
    p.drawLine(QPointF(legX(y, -1), y), QPointF(legX(y + panel, 1), y + panel));
    p.drawLine(QPointF(legX(y, 0.25), y), QPointF(legX(y + panel, -1), y + panel));
  }
  p.setPen(QPen(QColor(60, 60, 60), 1.8));
  for (const double side : {-1.0, 0.25, 1.0})
    p.drawLine(QPointF(legX(top, side), top), QPointF(legX(bottom, side), bottom));
  p.setPen(QPen(QColor(55, 55, 55), 3.0)); // mast pipe up into the dish
  p.drawLine(QPointF(cx, top + 6), QPointF(kVertexX, kVertexY));
}

namespace {
// The result of casting one ray at the dish.
struct Hit {
  bool found = false;
  Vec3 point{};
  Vec3 normal{}; // world frame, facing the viewer
};

Hit castRay(double u, double v) {
  const Vec3 o = toDish({(u - kVertexX) / kPixelsPerRadius, (kVertexY - v) / kPixelsPerRadius, 5});
  const Vec3 d = toDish({0, 0, -1});
  // (o + t d) on x^2 + y^2 = 4 f z
  const double a = d.x * d.x + d.y * d.y;
  const double b = 2 * (o.x * d.x + o.y * d.y) - 4 * kFocal * d.z;
  const double c = o.x * o.x + o.y * o.y - 4 * kFocal * o.z;
  const double disc = b * b - 4 * a * c;
  Hit hit;
  if (disc < 0)
    return hit;
  for (const double t : {(-b - std::sqrt(disc)) / (2 * a), (-b + std::sqrt(disc)) / (2 * a)}) {
    const Vec3 p{o.x + t * d.x, o.y + t * d.y, o.z + t * d.z};
    if (p.x * p.x + p.y * p.y > 1)
      continue;
    Vec3 n = toWorld(normalised({-p.x / (2 * kFocal), -p.y / (2 * kFocal), 1}));
    if (n.z < 0)
      n = {-n.x, -n.y, -n.z};
    return {true, p, n};
  }
  return hit;
}

// How much of a big pixel a mesh wire covers: the wires run along x and y of the
// dish frame, one every kMeshPitch.
double meshCover(Vec3 p) {
  constexpr double kMeshPitch = 1.0 / 38, kWire = 0.0038;
  constexpr double kPixel = 1.0 / (kPixelsPerRadius * kSuper);
  const auto cover = [&](double s) {
    const double off = std::abs(s / kMeshPitch - std::round(s / kMeshPitch)) * kMeshPitch;
    return clamp01((kWire - off) / kPixel + 0.5);
  };
  return std::max(cover(p.x), cover(p.y));
}
} // namespace

// The mesh surface: lit from the upper left, thin enough to let some sky and the
// tower show through.
static void castDish(QImage &big) {
  const Vec3 light = normalised({-0.5, 0.65, 0.6});
  for (int by = 0; by < big.height(); ++by) {
    auto *line = reinterpret_cast<QRgb *>(big.scanLine(by));
    for (int bx = 0; bx < big.width(); ++bx) {
      const Hit hit = castRay((bx + 0.5) / kSuper, (by + 0.5) / kSuper);
      if (!hit.found)
        continue;
      // Sun from the upper left plus the bright sky above: mesh that faces up is
      // lighter than mesh that faces the ground.
      const double lit = std::max(0.0, dot(hit.normal, light));
      const double shade = 45 + 125 * lit + 60 * hit.normal.y;
      // Seen at a slant the mesh is denser and hides more of what is behind it.
      const double opacity = 0.45 + 0.5 * (1 - hit.normal.z);
      const double back = qGray(line[bx]);
      const double haze = back + (shade - back) * opacity;
      const double g = haze + (shade * 0.75 - haze) * meshCover(hit.point);
      const int level = int(std::clamp(g, 0.0, 255.0));
      line[bx] = qRgb(level, level, level);
    }
  }
}

static QPolygonF hoop(double r) {
  QPolygonF ring;
  for (int i = 0; i <= 120; ++i)
    ring << project(onDish(r, i * 2 * kPi / 120));
  return ring;
}

// Twelve ribs from the hub to the rim, two hoops and the rim ring.
static void paintFrame(QPainter &p) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(72, 72, 72), 1.1, Qt::SolidLine, Qt::RoundCap));
  for (int k = 0; k < 12; ++k) {
    QPolygonF rib;
    for (int i = 0; i <= 20; ++i)
      rib << project(onDish(0.06 + 0.94 * i / 20.0, (k + 0.5) * 2 * kPi / 12));
    p.drawPolyline(rib);
  }
  p.setPen(QPen(QColor(88, 88, 88), 0.8));
  p.drawPolyline(hoop(0.38));
  p.drawPolyline(hoop(0.7));
  p.setPen(QPen(QColor(50, 50, 50), 1.9));
  p.drawPolyline(hoop(1.0));
  p.setPen(QPen(QColor(60, 60, 60), 0.8));
  p.setBrush(QColor(100, 100, 100));
  p.drawPolygon(hoop(0.07)); // hub plate
}

// Andrew's monotone chain: the outline of a set of projected points.
static QPolygonF convexHull(std::vector<QPointF> pts) {
  std::sort(pts.begin(), pts.end(), [](QPointF a, QPointF b) {
    return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y());
  });
  const auto cross = [](QPointF o, QPointF a, QPointF b) {
    return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
  };
  std::vector<QPointF> hull(2 * pts.size());
  std::size_t k = 0;
  for (std::size_t i = 0; i < pts.size(); ++i) {
    while (k >= 2 && cross(hull[k - 2], hull[k - 1], pts[i]) <= 0)
      --k;
    hull[k++] = pts[i];
  }
  for (std::size_t i = pts.size() - 1, lower = k + 1; i-- > 0;) {
    while (k >= lower && cross(hull[k - 2], hull[k - 1], pts[i]) <= 0)
      --k;
    hull[k++] = pts[i];
  }
  hull.resize(k - 1);
  return QPolygonF(QVector<QPointF>(hull.begin(), hull.end()));
}

// Three struts from the rim hold a coffee-can feed at the focus, its open end
// facing the dish.
static void paintFeed(QPainter &p) {
  constexpr double kCanRadius = 0.085, kCanFront = kFocal - 0.03, kCanBack = kFocal + 0.24;
  p.setPen(QPen(QColor(48, 48, 48), 1.2, Qt::SolidLine, Qt::RoundCap));
  for (const double deg : {90.0, 210.0, 330.0}) {
    const double phi = deg * kPi / 180;
    const Vec3 end{kCanRadius * std::cos(phi), kCanRadius * std::sin(phi), kFocal + 0.07};
    p.drawLine(project(onDish(1.0, phi)), project(end));
  }
  std::vector<QPointF> outline;
  QPolygonF backCap;
  for (int i = 0; i < 48; ++i) {
    const double phi = i * 2 * kPi / 48, x = kCanRadius * std::cos(phi),
                 y = kCanRadius * std::sin(phi);
    outline.push_back(project({x, y, kCanFront}));
    backCap << project({x, y, kCanBack});
    outline.push_back(backCap.back());
  }
  const QPolygonF body = convexHull(outline);
  QLinearGradient metal(body.boundingRect().topLeft(), body.boundingRect().bottomRight());
  metal.setColorAt(0, QColor(200, 200, 200));
  metal.setColorAt(1, QColor(70, 70, 70));
  p.setPen(QPen(QColor(40, 40, 40), 0.7));
  p.setBrush(metal);
  p.drawPolygon(body);
  p.setBrush(QColor(150, 150, 150));
  p.drawPolygon(backCap);
}

// A light 3 x 3 blur: a small camera lens is never as sharp as a drawing.
static QImage soften(const QImage &grey) {
  QImage out = grey;
  static const int kWeights[3] = {1, 6, 1};
  for (int y = 0; y < grey.height(); ++y)
    for (int x = 0; x < grey.width(); ++x) {
      int sum = 0, weight = 0;
      for (int j = -1; j <= 1; ++j)
        for (int i = -1; i <= 1; ++i) {
          const int sx = std::clamp(x + i, 0, grey.width() - 1);
          const int sy = std::clamp(y + j, 0, grey.height() - 1);
          const int w = kWeights[i + 1] * kWeights[j + 1];
          sum += w * grey.constScanLine(sy)[sx];
          weight += w;
        }
      out.scanLine(y)[x] = uchar((sum + weight / 2) / weight);
    }
  return out;
}

// Scales down, turns grey and adds vignetting and film grain.
static QImage develop(const QImage &big) {
  QImage grey = big.scaledToWidth(kWidth, Qt::SmoothTransformation)
                    .convertToFormat(QImage::Format_Grayscale8);
  grey = soften(grey);
  Random random;
  for (int y = 0; y < kHeight; ++y) {
    uchar *line = grey.scanLine(y);
    for (int x = 0; x < kWidth; ++x) {
      const double dx = (x - kWidth / 2.0) / kWidth, dy = (y - kHeight / 2.0) / kHeight;
      const double vignette = 1 - 0.35 * (dx * dx + dy * dy);
      const double grain = (random.next() + random.next() + random.next() - 1.5) * 9;
      line[x] = uchar(std::clamp(line[x] * vignette + grain, 0.0, 255.0));
    }
  }
  return grey;
}

QImage drawDishPhoto() {
  QImage big(kWidth * kSuper, kHeight * kSuper, QImage::Format_RGB32);
  QPainter p(&big);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.scale(kSuper, kSuper);
  paintSky(p);
  paintTreeLine(p);
  paintMast(p);
  p.end();
  castDish(big);
  p.begin(&big);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.scale(kSuper, kSuper);
  paintFrame(p);
  paintFeed(p);
  p.end();
  return develop(big);
}
