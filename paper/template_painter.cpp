#include "paper/template_painter.h"

#include "calc/common/figure_text.h"
#include "calc/common/units.h"
#include "paper/page_furniture.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace dishwright {
namespace {

constexpr double kMinorTickMm = 2;
constexpr double kMajorTickMm = 4;
constexpr int kLabelEveryMetricTicks = 5; // a label every 50 mm
constexpr double kMapWidthMm = 48;
constexpr double kWindowSlackMm = 2; // edge points just outside a page still draw into it

QPointF at(PointMm p) { return {p.x, p.y}; }

} // namespace

TemplatePainter::TemplatePainter(const TemplateSheet &sheet) : sheet_(sheet) {
  // 1 mm of radius, or finer for a dish so small that 1 mm would show as corners.
  const TemplateGeometry &g = sheet_.geometry();
  const double step = std::min(kCurveStepMm, g.radius() * g.mmPerUnit() / 500);
  for (TemplatePoint p : g.edge(step)) {
    edge_ << at(sheet_.toDrawingMm(p));
    if (sheet_.geometry().isPetal())
      mirror_ << at(sheet_.toDrawingMm({p.x, -p.y}));
  }
  const int stride = std::max(1, static_cast<int>(edge_.size() / 40));
  for (int i = 0; i < edge_.size(); i += stride)
    shape_ << edge_[i];
  shape_ << edge_.back();
  for (int i = static_cast<int>(mirror_.size()) - 1; i >= 0; i -= stride)
    shape_ << mirror_[i];
  if (!mirror_.isEmpty())
    shape_ << mirror_.front();
}

void TemplatePainter::paintPage(QPainter &painter, int index) const {
  const TilingPlan &plan = sheet_.plan();
  const PageWindow &window = plan.pages.at(static_cast<std::size_t>(index));
  const QRectF windowOnPage(plan.windowLeftOnPageMm, plan.windowTopOnPageMm, plan.windowWidthMm,
                            plan.windowHeightMm);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(QRectF(0, 0, plan.pageWidthMm, plan.pageHeightMm), Qt::white);
  painter.save();
  painter.setClipRect(windowOnPage);
  painter.translate(windowOnPage.topLeft() - QPointF(window.leftMm, window.topMm));
  paintDrawing(painter, window);
  painter.restore();
  drawCropMarks(painter, windowOnPage);
  setLinePen(painter, kThinLineMm, true);
  const double overlapX = windowOnPage.right() - kPageOverlapMm;
  const double overlapY = windowOnPage.bottom() - kPageOverlapMm;
  if (window.column + 1 < plan.columns)
    painter.drawLine(QPointF(overlapX, windowOnPage.top()),
                     QPointF(overlapX, windowOnPage.bottom()));
  if (window.row + 1 < plan.rows)
    painter.drawLine(QPointF(windowOnPage.left(), overlapY),
                     QPointF(windowOnPage.right(), overlapY));
  paintFooter(painter, index);
  painter.restore();
}

void TemplatePainter::paintDrawing(QPainter &painter, const PageWindow &window) const {
  const TilingPlan &plan = sheet_.plan();
  const double from = window.leftMm - kWindowSlackMm;
  const double to = window.leftMm + plan.windowWidthMm + kWindowSlackMm;
  if (sheet_.geometry().isPetal())
    paintGore(painter, from, to);
  else
    paintRib(painter, from, to);
  paintRadiusTicks(painter, from, to);
  if (sheet_.hasHubGuide())
    paintHubGuide(painter);
  for (PointMm mark : plan.registrationMarksMm)
    drawRegistrationMark(painter, at(mark));
}

QPolygonF TemplatePainter::edgePart(const QPolygonF &edge, double fromMm, double toMm) const {
  // The edge runs left to right: keep the points on this page and one either side.
  auto first = std::lower_bound(edge.begin(), edge.end(), fromMm,
                                [](QPointF p, double x) { return p.x() < x; });
  auto last =
      std::upper_bound(first, edge.end(), toMm, [](double x, QPointF p) { return x < p.x(); });
  if (first != edge.begin())
    --first;
  if (last != edge.end())
    ++last;
  return QPolygonF(QList<QPointF>(first, last));
}

void TemplatePainter::paintRib(QPainter &painter, double fromMm, double toMm) const {
  const TemplateGeometry &g = sheet_.geometry();
  const QPointF vertex = at(sheet_.vertexMm());
  const QPointF rim = at(sheet_.toDrawingMm({g.radius(), g.depth()}));
  setLinePen(painter, kThinLineMm, true);
  painter.drawLine(vertex, QPointF(rim.x(), vertex.y())); // tangent at the vertex
  painter.drawLine(QPointF(rim.x(), vertex.y()), rim);    // the rim
  painter.drawLine(vertex, QPointF(vertex.x(), rim.y())); // the dish axis
  const double hubX = at(sheet_.toDrawingMm({g.hubRadius(), 0})).x();
  QPolygonF curve = edgePart(edge_, fromMm, toMm);
  if (hubX > vertex.x()) {
    // The rib runs from the hub edge; inside the hub the curve is only a reference.
    painter.drawPolyline(edgePart(edge_, fromMm, std::min(toMm, hubX)));
    const QPointF hubOnCurve =
        at(sheet_.toDrawingMm({g.hubRadius(), paraboloidDepth(g.focalLength(), g.hubRadius())}));
    const bool cut = !curve.isEmpty() && curve.front().x() < hubX;
    curve.erase(
        std::remove_if(curve.begin(), curve.end(), [hubX](QPointF p) { return p.x() < hubX; }),
        curve.end());
    if (cut)
      curve.prepend(hubOnCurve);
    setLinePen(painter, kCurveLineMm);
    painter.drawLine(hubOnCurve - QPointF(0, 8), QPointF(hubX, vertex.y()));
    drawTextMm(
        painter, hubOnCurve - QPointF(-1, 8),
        QStringLiteral("HUB EDGE, r = %1 %2").arg(figureAs<QString>(g.hubRadius()), g.unitName()),
        kSmallTextHeightMm, Qt::AlignLeft | Qt::AlignBottom);
  }
  setLinePen(painter, kCurveLineMm);
  painter.drawPolyline(curve);
  drawTextMm(painter, vertex + QPointF(-2, 0), QStringLiteral("VERTEX"), kTextHeightMm,
             Qt::AlignRight | Qt::AlignVCenter);
  drawTextMm(painter, rim + QPointF(0, -2), QStringLiteral("RIM"), kTextHeightMm,
             Qt::AlignHCenter | Qt::AlignBottom);
  drawTextMm(painter, QPointF(vertex.x() + 2, rim.y()),
             QStringLiteral("RIB: cut along the heavy curve; depth is measured up from the "
                            "dashed tangent"),
             kTextHeightMm, Qt::AlignLeft | Qt::AlignTop);
}

void TemplatePainter::paintGore(QPainter &painter, double fromMm, double toMm) const {
  const TemplateGeometry &g = sheet_.geometry();
  const QPointF vertex = at(sheet_.vertexMm());
  const double rimX = edge_.back().x();
  setLinePen(painter, kThinLineMm, true);
  painter.drawLine(vertex, QPointF(rimX, vertex.y())); // centre line
  setLinePen(painter, kCurveLineMm);
  painter.drawPolyline(edgePart(edge_, fromMm, toMm));
  painter.drawPolyline(edgePart(mirror_, fromMm, toMm));
  painter.drawLine(edge_.back(), mirror_.back());
  drawTextMm(painter, vertex + QPointF(-2, 0), QStringLiteral("VERTEX"), kTextHeightMm,
             Qt::AlignRight | Qt::AlignVCenter);
  drawTextMm(painter, QPointF(rimX + 2, vertex.y()), QStringLiteral("RIM"), kTextHeightMm,
             Qt::AlignLeft | Qt::AlignVCenter);
  drawTextMm(painter, QPointF(vertex.x(), mirror_.back().y() + 12),
             QStringLiteral("GORE 1 of %1: cut along the heavy outline; the dashed centre line "
                            "runs from vertex to rim")
                 .arg(g.input().count),
             kTextHeightMm, Qt::AlignLeft | Qt::AlignTop);
}

void TemplatePainter::paintRadiusTicks(QPainter &painter, double fromMm, double toMm) const {
  // Ticks every cm or inch of radius along the long axis, labelled with the radius.
  const TemplateGeometry &g = sheet_.geometry();
  const QPointF vertex = at(sheet_.vertexMm());
  const int labelEvery = g.input().metric ? kLabelEveryMetricTicks : 1;
  const int ticks = static_cast<int>(std::floor(g.radius() / g.tickStep() + 1e-9));
  setLinePen(painter, kThinLineMm);
  for (int i = 1; i <= ticks; ++i) {
    const double x = vertex.x() + g.alongAt(i * g.tickStep()) * g.mmPerUnit();
    if (x < fromMm || x > toMm)
      continue;
    const bool major = i % labelEvery == 0;
    const double length = major ? kMajorTickMm : kMinorTickMm;
    const double top = g.isPetal() ? vertex.y() - length / 2 : vertex.y();
    painter.drawLine(QPointF(x, top), QPointF(x, top + length));
    if (major)
      drawTextMm(painter, QPointF(x, top + length + 0.8),
                 QString::number(i * (g.input().metric ? 10 : 1)), kSmallTextHeightMm,
                 Qt::AlignHCenter | Qt::AlignTop);
  }
  // Under a rib's axis; under a whole gore, whose edges would cross it near the tip.
  const double captionY = g.isPetal() ? mirror_.back().y() + 5 : vertex.y() + kMajorTickMm + 4;
  drawTextMm(
      painter, QPointF(vertex.x(), captionY),
      QStringLiteral("radius from the vertex (dish centre), %1, a tick every %2")
          .arg(g.unitName(), g.input().metric ? QStringLiteral("cm") : QStringLiteral("inch")),
      kSmallTextHeightMm, Qt::AlignLeft | Qt::AlignTop);
}

void TemplatePainter::paintHubGuide(QPainter &painter) const {
  const QPointF centre = at(sheet_.hubGuideCentreMm());
  const double radius = sheet_.hubRadiusMm();
  const int ribs = sheet_.geometry().input().count;
  setLinePen(painter, kCurveLineMm);
  painter.drawEllipse(centre, radius, radius);
  setLinePen(painter, kThinLineMm);
  painter.drawLine(centre - QPointF(3, 0), centre + QPointF(3, 0));
  painter.drawLine(centre - QPointF(0, 3), centre + QPointF(0, 3));
  // With the rib count known, a line per rib; without, a protractor every 5 degrees.
  const int lines = ribs > 0 ? ribs : 72;
  for (int i = 0; i < lines; ++i) {
    const double a = 2 * kPi * i / lines;
    const QPointF dir(std::cos(a), -std::sin(a));
    const double inner = ribs > 0 ? 0 : radius;
    const double outer = radius + (ribs > 0 || i % 6 == 0 ? 8 : i % 2 == 0 ? 5 : 3);
    painter.drawLine(centre + dir * inner, centre + dir * outer);
    if (ribs == 0 && i % 6 == 0)
      drawTextMm(painter, centre + dir * (radius + 10), QString::number(i * 5), kSmallTextHeightMm,
                 Qt::AlignCenter);
  }
  const TemplateGeometry &g = sheet_.geometry();
  const QString what = ribs > 0 ? QStringLiteral("%1 ribs at %2 degrees")
                                      .arg(ribs)
                                      .arg(figureAs<QString>(360.0 / ribs, kMeasuredDigits))
                                : QStringLiteral("angles in degrees");
  drawTextMm(painter, centre + QPointF(radius + 14, 0),
             QStringLiteral("HUB DRILLING GUIDE: radius %1 %2, %3")
                 .arg(figureAs<QString>(g.hubRadius()), g.unitName(), what),
             kTextHeightMm, Qt::AlignLeft | Qt::AlignVCenter);
}

void TemplatePainter::paintFooter(QPainter &painter, int index) const {
  const TilingPlan &plan = sheet_.plan();
  const TemplateGeometry &g = sheet_.geometry();
  const TemplateInput &in = g.input();
  const double left = kPageMarginMm;
  const double top = plan.pageHeightMm - kPageMarginMm - kPageFooterMm + 6; // below the crop marks
  const double line = kTextHeightMm * 1.35;
  const QString unit = QString::fromLatin1(g.unitName());
  QString design = QStringLiteral("%1 TEMPLATE   f/D %2   diameter %3 %4")
                       .arg(g.isPetal() ? QStringLiteral("PETAL") : QStringLiteral("RIB"),
                            figureAs<QString>(in.fd), figureAs<QString>(in.diameter),
                            in.metric ? QStringLiteral("METERS") : QStringLiteral("FEET"));
  if (in.frequencyMHz > 0)
    design += QStringLiteral("   frequency %1 MHZ").arg(figureAs<QString>(in.frequencyMHz));
  QString lengths =
      QStringLiteral("focal length: %1 %3   depth: %2 %3")
          .arg(figureAs<QString>(g.focalLength()), figureAs<QString>(g.depth()), unit);
  QString more;
  if (g.isPetal()) {
    lengths += QStringLiteral("   gore length: %1 %2").arg(figureAs<QString>(g.goreLength()), unit);
    more =
        QStringLiteral("gores: %1   gore width at rim: %2 %4   flat gore error: %3 %4")
            .arg(in.count)
            .arg(figureAs<QString>(g.goreWidthAtRim()), figureAs<QString>(g.flatGoreError()), unit);
  } else {
    lengths += QStringLiteral("   rib length: %1 %2").arg(figureAs<QString>(g.ribLength()), unit);
    more = g.hubRadius() > 0 ? QStringLiteral("rib length from the hub edge (hub radius %1 %2)")
                                   .arg(figureAs<QString>(g.hubRadius()), unit)
                             : QStringLiteral("rib length from the vertex");
  }
  more += QStringLiteral("   the vertex is the LEFT end");
  int row = 0;
  for (const QString &text : {design, lengths, more})
    drawTextMm(painter, QPointF(left, top + line * row++), text, kTextHeightMm,
               Qt::AlignLeft | Qt::AlignTop);
  drawScaleBars(painter, QPointF(left, top + line * 3 + 1));
  if (plan.pageCount() > 1) {
    const PageWindow &w = plan.pages[static_cast<std::size_t>(index)];
    const QRectF map(plan.pageWidthMm - kPageMarginMm - kMapWidthMm, top + line * 3 + 1,
                     kMapWidthMm, kPageFooterMm - line * 3 - 8);
    drawPageMap(painter, map, plan, shape_, index);
    drawTextMm(painter, QPointF(map.right(), top + line * 3),
               QStringLiteral("row %1, column %2 (page %3 of %4)")
                   .arg(w.row + 1)
                   .arg(w.column + 1)
                   .arg(index + 1)
                   .arg(plan.pageCount()),
               kTextHeightMm, Qt::AlignRight | Qt::AlignBottom);
  }
}

} // namespace dishwright
