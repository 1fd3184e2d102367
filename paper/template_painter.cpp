#include "paper/template_painter.h"

#include "calc/common/figure_text.h"
#include "paper/page_furniture.h"

#include <QPainter>

#include <algorithm>

namespace dishwright {
namespace {

constexpr double kMapWidthMm = 48;
constexpr double kWindowSlackMm = 2; // lines just outside a page still draw into it
constexpr double kFooterTopMm = 6;   // below the crop marks
constexpr int kFooterLines = 4;

QRectF bounds(const QPolygonF &line) {
  return line.boundingRect().adjusted(-0.01, -0.01, 0.01, 0.01);
}

// The runs of `line` whose segments come near `area`; a line wholly inside
// stays one closed run.
std::vector<QPolygonF> piecesNear(const QPolygonF &line, const QRectF &area) {
  std::vector<QPolygonF> pieces;
  QPolygonF run;
  for (int i = 0; i + 1 < line.size(); ++i) {
    if (bounds(QPolygonF({line[i], line[i + 1]})).intersects(area)) {
      if (run.isEmpty())
        run << line[i];
      run << line[i + 1];
    } else if (!run.isEmpty()) {
      pieces.push_back(run);
      run.clear();
    }
  }
  if (!run.isEmpty())
    pieces.push_back(run);
  return pieces;
}

void setMarkPen(QPainter &painter, MarkKind kind) {
  setLinePen(painter, kThinLineMm, kind == MarkKind::Dashed);
}

} // namespace

TemplatePainter::TemplatePainter(const TemplateSheet &sheet) : sheet_(sheet), drawing_(sheet_) {}

void TemplatePainter::paintPage(QPainter &painter, int index, PageParts parts) const {
  const TilingPlan &plan = sheet_.plan();
  const PageWindow &window = plan.pages.at(static_cast<std::size_t>(index));
  const QRectF windowOnPage(plan.windowLeftOnPageMm, plan.windowTopOnPageMm, plan.windowWidthMm,
                            plan.windowHeightMm);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  if (parts == PageParts::Everything)
    painter.fillRect(QRectF(0, 0, plan.pageWidthMm, plan.pageHeightMm), Qt::white);
  painter.save();
  painter.setClipRect(windowOnPage);
  painter.translate(windowOnPage.topLeft() - QPointF(window.leftMm, window.topMm));
  paintDrawing(painter, index, parts == PageParts::Everything);
  painter.restore();
  drawCropMarks(painter, windowOnPage);
  // The overlap a printed neighbour is glued over.
  setLinePen(painter, kThinLineMm, true);
  const double overlapX = windowOnPage.right() - kPageOverlapMm;
  const double overlapY = windowOnPage.bottom() - kPageOverlapMm;
  if (plan.pageAt(window.row, window.column + 1) >= 0)
    painter.drawLine(QPointF(overlapX, windowOnPage.top()),
                     QPointF(overlapX, windowOnPage.bottom()));
  if (plan.pageAt(window.row + 1, window.column) >= 0)
    painter.drawLine(QPointF(windowOnPage.left(), overlapY),
                     QPointF(windowOnPage.right(), overlapY));
  paintFooter(painter, index);
  painter.restore();
}

void TemplatePainter::paintDrawing(QPainter &painter, int index, bool withCuts) const {
  const TilingPlan &plan = sheet_.plan();
  const PageWindow &window = plan.pages.at(static_cast<std::size_t>(index));
  const QRectF area =
      QRectF(window.leftMm, window.topMm, plan.windowWidthMm, plan.windowHeightMm)
          .adjusted(-kWindowSlackMm, -kWindowSlackMm, kWindowSlackMm, kWindowSlackMm);
  for (const Mark &mark : drawing_.marks())
    if (bounds(mark.points).intersects(area)) {
      setMarkPen(painter, mark.kind);
      painter.drawPolyline(mark.points);
    }
  if (withCuts) {
    setLinePen(painter, kCurveLineMm);
    for (const QPolygonF &cut : drawing_.cuts())
      for (const QPolygonF &piece : piecesNear(cut, area))
        painter.drawPolyline(piece);
  }
  for (PointMm mark : plan.registrationMarksMm)
    if (area.contains(QPointF(mark.x, mark.y)))
      drawRegistrationMark(painter, QPointF(mark.x, mark.y));
  for (const PlacedLabel &label : drawing_.labels())
    if (label.page == index)
      drawTextMm(painter, label.place.anchorMm, label.text, label.heightMm, label.place.align);
}

QString TemplatePainter::instruction(int index) const {
  const TemplateGeometry &g = sheet_.geometry();
  const bool cut = sheet_.plan().pages.at(static_cast<std::size_t>(index)).cut;
  if (g.isPetal())
    return cut ? QStringLiteral("GORE - cut %1 alike along the heavy outline; the dashed line is "
                                "its centre line, vertex to rim")
                     .arg(g.input().count)
               : QStringLiteral("GORE - nothing to cut here: this page joins the pages around "
                                "it; the dashed line is the gore's centre line");
  return cut ? QStringLiteral("RIB - cut along the heavy outline; the hatched side is waste; depth "
                              "is measured up from the vertex's tangent")
             : QStringLiteral("RIB - nothing to cut on this page");
}

QStringList TemplatePainter::figureLines(int index) const {
  const TemplateGeometry &g = sheet_.geometry();
  const TemplateInput &in = g.input();
  const QString unit = QString::fromLatin1(g.unitName());
  QString design = QStringLiteral("%1 TEMPLATE   f/D %2   diameter %3 %4")
                       .arg(g.isPetal() ? QStringLiteral("PETAL") : QStringLiteral("RIB"),
                            figureAs<QString>(in.fd), figureAs<QString>(in.diameter),
                            QString::fromLatin1(dishSizeWord(in.unit)).toUpper());
  if (in.frequencyMHz > 0)
    design += QStringLiteral("   frequency %1 MHZ").arg(figureAs<QString>(in.frequencyMHz));
  QString lengths =
      QStringLiteral("focal length: %1 %3   depth: %2 %3")
          .arg(figureAs<QString>(g.focalLength()), figureAs<QString>(g.depth()), unit);
  QString more;
  if (g.isPetal()) {
    lengths += QStringLiteral("   gore length: %1 %2").arg(figureAs<QString>(g.goreLength()), unit);
    more =
        QStringLiteral("gore width at rim: %1 %3   flat gore error: %2 %3")
            .arg(figureAs<QString>(g.goreWidthAtRim()), figureAs<QString>(g.flatGoreError()), unit);
    if (g.wavelength() > 0)
      more += QStringLiteral("   gores for lambda/16: %1")
                  .arg(goresWithin(g.depth(), g.wavelength() / 16));
  } else {
    lengths += QStringLiteral("   rib length: %1 %2").arg(figureAs<QString>(g.ribLength()), unit);
    more = g.hubRadius() > 0 ? QStringLiteral("rib length from the hub edge (hub radius %1 %2)")
                                   .arg(figureAs<QString>(g.hubRadius()), unit)
                             : QStringLiteral("rib length from the vertex");
    more += QStringLiteral("   the vertex is the LEFT end");
  }
  return {design, lengths, more, instruction(index)};
}

void TemplatePainter::paintFooter(QPainter &painter, int index) const {
  const TilingPlan &plan = sheet_.plan();
  const double left = kPageMarginMm;
  const double top = plan.pageHeightMm - kPageMarginMm - kPageFooterMm + kFooterTopMm;
  const double line = kTextHeightMm * 1.35;
  int row = 0;
  for (const QString &text : figureLines(index))
    drawTextMm(painter, QPointF(left, top + line * row++), text, kTextHeightMm,
               Qt::AlignLeft | Qt::AlignTop);
  drawScaleBars(painter, QPointF(left, top + line * kFooterLines + 0.5));
  if (plan.pageCount() > 1) {
    const PageWindow &w = plan.pages[static_cast<std::size_t>(index)];
    const double right = plan.pageWidthMm - kPageMarginMm;
    drawTextMm(painter, QPointF(right, top),
               QStringLiteral("row %1, column %2 (page %3 of %4)")
                   .arg(w.row + 1)
                   .arg(w.column + 1)
                   .arg(index + 1)
                   .arg(plan.pageCount()),
               kTextHeightMm, Qt::AlignRight | Qt::AlignTop);
    const QRectF map(right - kMapWidthMm, top + line + 0.5, kMapWidthMm,
                     kPageFooterMm - kFooterTopMm - line - 2);
    drawPageMap(painter, map, plan, drawing_.shape(), index);
  }
}

} // namespace dishwright
