#include "paper/template_drawing.h"

#include "calc/common/figure_text.h"
#include "calc/common/units.h"
#include "paper/page_furniture.h"

#include <QLineF>

#include <algorithm>
#include <cmath>

namespace dishwright {
namespace {

constexpr double kMinorTickMm = 2;
constexpr double kMajorTickMm = 4;
constexpr int kLabelEveryMetricTicks = 5; // a label every 50 mm
constexpr double kHatchSpacingMm = 3;     // along the curve
constexpr double kHatchLengthMm = 4;
constexpr double kHatchGapMm = 0.5; // between the curve and a hatch stroke
constexpr double kCaptionStepMm = 20;
constexpr int kShapePoints = 400;
constexpr int kLeft = Qt::AlignLeft, kRight = Qt::AlignRight, kHCentre = Qt::AlignHCenter;
constexpr int kTop = Qt::AlignTop, kBottom = Qt::AlignBottom, kVCentre = Qt::AlignVCenter;

QPolygonF polygon(const std::vector<PointMm> &points) {
  QPolygonF out;
  for (PointMm p : points)
    out << QPointF(p.x, p.y);
  return out;
}

// A circle as a closed polygon whose chords keep within kOutlineSagMm of it.
QPolygonF circle(QPointF centre, double radius) {
  const double angle = 2 * std::acos(1 - std::min(1.0, kOutlineSagMm / radius));
  const int sides = std::max(24, static_cast<int>(std::ceil(2 * kPi / angle)));
  QPolygonF out;
  for (int i = 0; i <= sides; ++i) {
    const double a = 2 * kPi * (i % sides) / sides;
    out << centre + radius * QPointF(std::cos(a), std::sin(a));
  }
  return out;
}

class Builder {
public:
  explicit Builder(const TemplateSheet &sheet) : sheet_(sheet), g_(sheet.geometry()) {}

  void build(std::vector<QPolygonF> &cuts, std::vector<Mark> &marks, std::vector<Label> &labels) {
    // One closed outline to cut along: the hub guide is drilled and marked, not cut out.
    cuts.push_back(polygon(sheet_.cutOutlineMm(g_.chordStepMm(kOutlineSagMm))));
    if (g_.isPetal())
      gore();
    else
      rib();
    ticks();
    if (sheet_.hasHubGuide())
      hubGuide();
    marks = std::move(marks_);
    labels = std::move(labels_);
  }

private:
  QPointF at(TemplatePoint p) const {
    const PointMm q = sheet_.toDrawingMm(p);
    return {q.x, q.y};
  }
  QPointF centre() const { return {sheet_.hubGuideCentreMm().x, sheet_.hubGuideCentreMm().y}; }
  void mark(QPolygonF points, MarkKind kind) { marks_.push_back({std::move(points), kind}); }
  void label(const QString &text, double heightMm, std::vector<LabelPlace> places) {
    labels_.push_back({text, heightMm, std::move(places)});
  }

  void rib() {
    const QPointF vertex = at({0, 0}), rim = at({g_.radius(), g_.depth()});
    const double hub = g_.hubRadius();
    const QPointF hubOnCurve = at({hub, paraboloidDepth(g_.focalLength(), hub)});
    mark({vertex, QPointF(vertex.x(), rim.y())}, MarkKind::Dashed); // the dish axis
    if (hub > 0) {
      // Inside the hub the curve and the tangent are only where the rib would be.
      QPolygonF inside;
      for (TemplatePoint p : g_.edge(g_.chordStepMm(kOutlineSagMm)))
        if (p.x < hub)
          inside << at(p);
      mark(inside << hubOnCurve, MarkKind::Dashed);
      mark({vertex, at({hub, 0})}, MarkKind::Dashed);
    }
    hatching(hub);
    label(QStringLiteral("VERTEX"), kTextHeightMm,
          {{vertex + QPointF(-2, 0), kRight | kVCentre},
           {vertex + QPointF(-2, -3), kRight | kBottom},
           {vertex + QPointF(1, -4), kLeft | kBottom},
           {vertex + QPointF(1, -9), kLeft | kBottom}});
    label(QStringLiteral("RIM"), kTextHeightMm,
          {{rim + QPointF(0, -2), kHCentre | kBottom},
           {rim + QPointF(-2, -2), kRight | kBottom},
           {rim + QPointF(2, 0), kLeft | kVCentre}});
    if (hub > 0)
      label(QStringLiteral("HUB EDGE, r = %1 %2").arg(figureAs<QString>(hub), g_.unitName()),
            kSmallTextHeightMm,
            {{hubOnCurve + QPointF(1, -3), kLeft | kBottom},
             {hubOnCurve + QPointF(1, -8), kLeft | kBottom},
             {hubOnCurve + QPointF(-1, -3), kRight | kBottom}});
  }

  // Strokes on the focus side of the curve, the waste: the metal lies between
  // the curve and the vertex's tangent.
  void hatching(double hub) {
    const std::vector<TemplatePoint> curve = g_.edge(kHatchSpacingMm / 4);
    const QPointF stroke = QPointF(-1, -1) / std::sqrt(2.0); // up and towards the axis
    double run = kHatchSpacingMm / 2;
    for (std::size_t i = 1; i < curve.size(); ++i) {
      if (curve[i].x < hub)
        continue;
      const QPointF a = at(curve[i - 1]), b = at(curve[i]);
      run += QLineF(a, b).length();
      if (run < kHatchSpacingMm)
        continue;
      run = 0;
      mark({b + stroke * kHatchGapMm, b + stroke * (kHatchGapMm + kHatchLengthMm)},
           MarkKind::Hatch);
    }
  }

  void gore() {
    const QPointF vertex = at({0, 0}), rim = at({g_.goreLength(), 0});
    mark({vertex, rim}, MarkKind::Dashed); // the centre line
    label(QStringLiteral("VERTEX"), kTextHeightMm,
          {{vertex + QPointF(-2, 0), kRight | kVCentre},
           {vertex + QPointF(-2, 3), kRight | kTop},
           {vertex + QPointF(-2, -3), kRight | kBottom}});
    label(QStringLiteral("RIM"), kTextHeightMm,
          {{rim + QPointF(2, 0), kLeft | kVCentre},
           {rim + QPointF(-2, -3), kRight | kBottom},
           {rim + QPointF(-2, 3), kRight | kTop}});
  }

  // A rib's ticks mark the radius along its tangent; a gore's mark the distance
  // along its centre line, so that a ruler laid on the line reads the same.
  void ticks() {
    const bool petal = g_.isPetal();
    const bool metric = isMetric(g_.input().unit);
    const double k = g_.mmPerUnit(), step = g_.tickStep();
    const double span = petal ? g_.goreLength() : g_.radius();
    const QPointF vertex = at({0, 0});
    const int labelEvery = metric ? kLabelEveryMetricTicks : 1;
    const int count = static_cast<int>(std::floor(span / step + 1e-9));
    for (int i = 1; i <= count; ++i) {
      const double x = vertex.x() + i * step * k;
      const bool major = i % labelEvery == 0;
      const double length = major ? kMajorTickMm : kMinorTickMm;
      const double top = petal ? vertex.y() - length / 2 : vertex.y();
      mark({QPointF(x, top), QPointF(x, top + length)}, MarkKind::Thin);
      if (!major)
        continue;
      const double y = top + length + 0.8;
      label(QString::number(i * (metric ? 10 : 1)), kSmallTextHeightMm,
            {{QPointF(x, y), kHCentre | kTop},
             {QPointF(x + 0.4, y), kLeft | kTop},
             {QPointF(x - 0.4, y), kRight | kTop}});
    }
    const QString every = metric ? QStringLiteral("cm") : QStringLiteral("inch");
    const QString caption =
        petal
            ? QStringLiteral("distance along the centre line from the vertex, %1, a tick every %2")
                  .arg(g_.unitName(), every)
            : QStringLiteral("radius from the vertex (dish centre), %1, a tick every %2")
                  .arg(g_.unitName(), every);
    std::vector<LabelPlace> places;
    const double y = vertex.y() + (petal ? kMajorTickMm / 2 : kMajorTickMm) + 4;
    for (double x = vertex.x(); x < vertex.x() + span * k; x += kCaptionStepMm)
      places.push_back({QPointF(x, y), kLeft | kTop});
    label(caption, kSmallTextHeightMm, places);
  }

  void hubGuide() {
    const QPointF c = centre();
    const double radius = sheet_.hubRadiusMm();
    const int ribs = g_.input().count;
    mark(circle(c, radius), MarkKind::Thin); // the hub's edge
    mark({c - QPointF(3, 0), c + QPointF(3, 0)}, MarkKind::Thin);
    mark({c - QPointF(0, 3), c + QPointF(0, 3)}, MarkKind::Thin);
    // With the rib count known, a line per rib; without, a protractor every 5 degrees.
    const int lines = ribs > 0 ? ribs : 72;
    for (int i = 0; i < lines; ++i) {
      const double a = 2 * kPi * i / lines;
      const QPointF dir(std::cos(a), -std::sin(a));
      const double inner = ribs > 0 ? 0 : radius;
      const double outer = radius + (ribs > 0 || i % 6 == 0 ? 8 : i % 2 == 0 ? 5 : 3);
      mark({c + dir * inner, c + dir * outer}, MarkKind::Thin);
      if (ribs == 0 && i % 6 == 0)
        label(QString::number(i * 5), kSmallTextHeightMm,
              {{c + dir * (radius + kHubGuideLabelMm), Qt::AlignCenter}});
    }
    const QString what = ribs > 0 ? QStringLiteral("%1 ribs at %2 degrees")
                                        .arg(ribs)
                                        .arg(figureAs<QString>(360.0 / ribs, kMeasuredDigits))
                                  : QStringLiteral("angles in degrees");
    const double out = radius + kHubGuideMarginMm + 2;
    label(QStringLiteral("HUB DRILLING GUIDE: radius %1 %2, %3")
              .arg(figureAs<QString>(g_.hubRadius()), g_.unitName(), what),
          kTextHeightMm,
          {{c + QPointF(out, 0), kLeft | kVCentre},
           {c + QPointF(0, out), kHCentre | kTop},
           {c - QPointF(0, out), kHCentre | kBottom},
           {c + QPointF(0, 5), kHCentre | kTop}});
  }

  const TemplateSheet &sheet_;
  const TemplateGeometry &g_;
  std::vector<Mark> marks_;
  std::vector<Label> labels_;
};

} // namespace

TemplateDrawing::TemplateDrawing(const TemplateSheet &sheet) {
  std::vector<Label> labels;
  Builder(sheet).build(cuts_, marks_, labels);
  // Labels keep clear of the outline and of the hub's edge.
  std::vector<QPolygonF> avoid = cuts_;
  if (sheet.hasHubGuide())
    avoid.push_back(
        circle({sheet.hubGuideCentreMm().x, sheet.hubGuideCentreMm().y}, sheet.hubRadiusMm()));
  labels_ = placeLabels(labels, sheet.plan(), avoid);
  // Labels go where the drawing says, even on the waste side: hatching gives way.
  std::vector<QRectF> boxes;
  for (const PlacedLabel &l : labels_)
    boxes.push_back(textBoxMm(l.place.anchorMm, l.text, l.heightMm, l.place.align));
  marks_.erase(std::remove_if(marks_.begin(), marks_.end(),
                              [&boxes](const Mark &m) {
                                return m.kind == MarkKind::Hatch &&
                                       std::any_of(boxes.begin(), boxes.end(), [&m](QRectF b) {
                                         return b.intersects(m.points.boundingRect());
                                       });
                              }),
               marks_.end());
  const QPolygonF &outline = cuts_.front();
  // A rib's outline ends in its straight sides: their corners are kept.
  const int stride = std::max(1, static_cast<int>(outline.size() / kShapePoints));
  for (int i = 0; i < outline.size(); ++i)
    if (i % stride == 0 || i + 4 >= outline.size())
      shape_ << outline[i];
}

} // namespace dishwright
