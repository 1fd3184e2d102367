#include "tools/measure/surface_plot.h"

#include "calc/common/figure_text.h"
#include "tools/kit/tool_colours.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace dishwright {
namespace {

// Beyond this many points they are drawn as one vertical stroke per pixel column,
// from the lowest to the highest point in it: a hundred thousand separate marks
// take several frames to draw and show no more.
constexpr std::size_t kCircleLimit = 2000;

// The pixel span [low, high] the values falling in each pixel column take.
struct ColumnSpans {
  explicit ColumnSpans(int width) : low(width, HUGE_VAL), high(width, -HUGE_VAL) {}
  void add(double x, double y) {
    const auto i = static_cast<std::size_t>(std::clamp(x, 0.0, double(low.size() - 1)));
    low[i] = std::min(low[i], y);
    high[i] = std::max(high[i], y);
  }
  void draw(QPainter &painter, double left) const {
    for (std::size_t i = 0; i < low.size(); ++i)
      if (low[i] <= high[i])
        painter.drawLine(QPointF(left + static_cast<double>(i) + 0.5, low[i] - 0.5),
                         QPointF(left + static_cast<double>(i) + 0.5, high[i] + 0.5));
  }
  std::vector<double> low, high;
};

QPointF place(const QRectF &area, double x, double xMin, double xMax, double y, double yMin,
              double yMax) {
  return {area.left() + (x - xMin) / (xMax - xMin) * area.width(),
          area.bottom() - (y - yMin) / (yMax - yMin) * area.height()};
}

} // namespace

SurfacePlot::SurfacePlot(QWidget *parent) : QWidget(parent) {
  setMinimumSize(240, 180);
  setAccessibleName(tr("plot of the points, the fitted parabola and the surface errors"));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize SurfacePlot::sizeHint() const {
  const int em = fontMetrics().height();
  return {28 * em, 20 * em};
}

void SurfacePlot::setData(std::vector<SurfacePoint> points, std::optional<SurfaceFit> fit,
                          const QString &unitSymbol) {
  points_ = std::move(points);
  fit_ = fit;
  unit_ = unitSymbol;
  rMin_ = 0, rMax_ = 0, zMin_ = 0, zMax_ = 0;
  for (const SurfacePoint &p : points_) {
    rMin_ = std::min(rMin_, p.r), rMax_ = std::max(rMax_, p.r);
    zMin_ = std::min(zMin_, p.z), zMax_ = std::max(zMax_, p.z);
  }
  if (rMax_ - rMin_ <= 0)
    rMax_ = rMin_ + 1;
  if (zMax_ - zMin_ <= 0)
    zMax_ = zMin_ + 1;
  const double margin = 0.05 * (zMax_ - zMin_);
  zMin_ -= margin, zMax_ += margin;
  update();
}

void SurfacePlot::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(rect(), palette().color(QPalette::Base));
  const int em = fontMetrics().height();
  const QRectF inner = QRectF(rect()).adjusted(em, em / 2.0, -em, -em / 2.0);
  painter.setPen(palette().color(QPalette::Text));
  if (points_.empty()) {
    painter.drawText(inner, Qt::AlignCenter | Qt::TextWordWrap,
                     tr("Type or paste points (radius, depth) to see them here."));
    return;
  }
  const double strip = fit_ ? std::max(3.0 * em, inner.height() * 0.28) : 0;
  drawProfile(painter, inner.adjusted(0, em * 1.2, 0, -strip));
  if (fit_)
    drawResiduals(painter, QRectF(inner.left(), inner.bottom() - strip + em * 0.4, inner.width(),
                                  strip - em * 0.4));
}

void SurfacePlot::drawProfile(QPainter &painter, const QRectF &area) const {
  const QColor text = palette().color(QPalette::Text);
  painter.setPen(text);
  painter.drawText(QRectF(area.left(), area.top() - fontMetrics().height() * 1.2, area.width(),
                          fontMetrics().height()),
                   Qt::AlignLeft, tr("depth z against radius r, %1").arg(unit_));
  painter.setPen(QPen(guideColour(palette()), 1));
  painter.drawRect(area);
  if (fit_) { // the parabola, sampled finely enough to look smooth at any size
    QPainterPath path;
    const int steps = std::max(16, static_cast<int>(area.width() / 3));
    for (int i = 0; i <= steps; ++i) {
      const double r = rMin_ + (rMax_ - rMin_) * i / steps;
      const QPointF p = place(area, r, rMin_, rMax_, fittedDepth(*fit_, r), zMin_, zMax_);
      i == 0 ? path.moveTo(p) : path.lineTo(p);
    }
    painter.save();
    painter.setClipRect(area);
    painter.setPen(QPen(curveColour(palette()), 2));
    painter.drawPath(path);
    painter.restore();
  }
  painter.setPen(QPen(text, 1.5));
  const double dot = fontMetrics().height() / 6.0;
  if (points_.size() > kCircleLimit) {
    ColumnSpans spans(static_cast<int>(area.width()) + 1);
    for (const SurfacePoint &p : points_) {
      const QPointF at = place(area, p.r, rMin_, rMax_, p.z, zMin_, zMax_);
      spans.add(at.x() - area.left(), at.y());
    }
    spans.draw(painter, area.left());
    return;
  }
  for (const SurfacePoint &p : points_)
    painter.drawEllipse(place(area, p.r, rMin_, rMax_, p.z, zMin_, zMax_), dot, dot);
}

void SurfacePlot::drawResiduals(QPainter &painter, const QRectF &area) const {
  std::vector<double> errors;
  errors.reserve(points_.size());
  double largest = 0;
  for (const SurfacePoint &p : points_) {
    errors.push_back(surfaceError(*fit_, p));
    largest = std::max(largest, std::fabs(errors.back()));
  }
  const QColor accent = accentColour(palette());
  const int em = fontMetrics().height();
  painter.setPen(palette().color(QPalette::Text));
  painter.drawText(QRectF(area.left(), area.top(), area.width(), em), Qt::AlignLeft,
                   tr("surface error, magnified: largest %1 %2")
                       .arg(figureAs<QString>(largest, kSketchDigits), unit_));
  const QRectF bars = area.adjusted(0, em * 1.1, 0, 0);
  painter.setPen(QPen(guideColour(palette()), 1));
  const double zero = bars.center().y();
  painter.drawLine(QPointF(bars.left(), zero), QPointF(bars.right(), zero));
  if (largest <= 0)
    return;
  const bool many = points_.size() > kCircleLimit;
  painter.setPen(QPen(accent, many ? 1 : 2));
  ColumnSpans spans(many ? static_cast<int>(bars.width()) + 1 : 0);
  for (std::size_t i = 0; i < points_.size(); ++i) {
    const double x = (points_[i].r - rMin_) / (rMax_ - rMin_) * bars.width();
    const double y = zero - errors[i] / largest * bars.height() / 2;
    if (many) {
      spans.add(x, std::min(y, zero));
      spans.add(x, std::max(y, zero));
    } else {
      painter.drawLine(QPointF(bars.left() + x, zero), QPointF(bars.left() + x, y));
    }
  }
  spans.draw(painter, bars.left());
}

} // namespace dishwright
