#include "tools/feed/pattern_plot.h"

#include "calc/common/figure_text.h"
#include "tools/feed/plot_frame.h"
#include "tools/kit/tool_colours.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace dishwright {
namespace {

// The weakest level drawn, dB: a rim lit 40 dB down is as good as unlit.
constexpr double kFloorDb = -40;

// A grid line every so many degrees, by how wide the pattern is.
double angleStep(double extentDeg) {
  for (const double step : {1.0, 2.0, 5.0, 10.0, 15.0, 30.0})
    if (extentDeg / step <= 9)
      return step;
  return 30;
}

} // namespace

PatternPlot::PatternPlot(QWidget *parent) : QWidget(parent) {
  setMinimumSize(240, 160);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setAccessibleName(tr("plot of the feed's pattern, E and H plane, dB against angle"));
}

QSize PatternPlot::sizeHint() const {
  const int em = fontMetrics().height();
  return {30 * em, 15 * em};
}

void PatternPlot::setPattern(std::optional<FeedPattern> pattern,
                             std::optional<double> rimAngleDeg) {
  pattern_ = std::move(pattern);
  rimAngleDeg_ = rimAngleDeg;
  update();
}

void PatternPlot::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const double extent = pattern_ ? pattern_->extentDeg() : 90.0;
  const PlotFrame frame(*this,
                        {0, extent, angleStep(extent), tr("angle off the feed's axis, degrees")},
                        {kFloorDb, 0, 10, tr("level, dB")});
  frame.drawGrid(painter);
  const QPen ePen(curveColour(palette()), 2);
  const QPen hPen(accentColour(palette()), 2, Qt::DashLine);
  frame.drawLegend(painter, {{ePen, tr("E plane")}, {hPen, tr("H plane")}});
  if (!pattern_) {
    frame.drawNote(painter, tr("Choose a feed to see its pattern here."));
    return;
  }
  // About a sample a pixel: the 4097 of the pattern show no more than that, and
  // each point more costs drawing time.
  const std::size_t count = pattern_->sampleCount();
  const double widthPx = std::max(1.0, frame.area().width());
  const auto stride =
      std::max<std::size_t>(1, static_cast<std::size_t>(static_cast<double>(count) / widthPx));
  QPainterPath e, h;
  for (std::size_t i = 0;; i = std::min(i + stride, count - 1)) { // the last sample always
    const double angle = pattern_->angleDeg(i);
    const QPointF pe = frame.at(angle, pattern_->eDb(i)), ph = frame.at(angle, pattern_->hDb(i));
    i == 0 ? e.moveTo(pe) : e.lineTo(pe);
    i == 0 ? h.moveTo(ph) : h.lineTo(ph);
    if (i + 1 == count)
      break;
  }
  painter.save();
  painter.setClipRect(frame.area().adjusted(-2, -2, 2, 2));
  painter.setPen(ePen);
  painter.drawPath(e);
  painter.setPen(hPen);
  painter.drawPath(h);
  painter.restore();
  if (rimAngleDeg_)
    frame.drawMark(painter, *rimAngleDeg_, QPen(palette().color(QPalette::Text), 1.5),
                   tr("rim %1°").arg(figureAs<QString>(*rimAngleDeg_, kSketchDigits)));
}

} // namespace dishwright
