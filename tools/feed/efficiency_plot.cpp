#include "tools/feed/efficiency_plot.h"

#include "calc/common/figure_text.h"
#include "tools/feed/plot_frame.h"
#include "tools/kit/tool_colours.h"

#include <QPainter>
#include <QPainterPath>

namespace dishwright {

EfficiencyPlot::EfficiencyPlot(QWidget *parent) : QWidget(parent) {
  setMinimumSize(240, 160);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setAccessibleName(tr("plot of the spillover, illumination and aperture efficiencies against "
                       "f/D"));
}

QSize EfficiencyPlot::sizeHint() const {
  const int em = fontMetrics().height();
  return {30 * em, 15 * em};
}

void EfficiencyPlot::setCurve(std::vector<FeedOnDish> curve, std::optional<double> dishFd,
                              std::optional<BestFd> best) {
  curve_ = std::move(curve);
  dishFd_ = dishFd;
  best_ = best;
  update();
}

void EfficiencyPlot::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const PlotFrame frame(*this, {kBestFdLowest, kBestFdHighest, 0.1, tr("f/D of the dish")},
                        {0, 1, 0.2, tr("efficiency")});
  frame.drawGrid(painter);
  const QPen spilloverPen(curveColour(palette()), 2, Qt::DashLine);
  const QPen illuminationPen(accentColour(palette()), 2, Qt::DashDotLine);
  const QPen aperturePen(palette().color(QPalette::Text), 2.5);
  frame.drawLegend(painter, {{spilloverPen, tr("spillover")},
                             {illuminationPen, tr("illumination")},
                             {aperturePen, tr("aperture")}});
  if (curve_.empty()) {
    frame.drawNote(painter, tr("Choose a feed to see how well it lights dishes of every f/D."));
    return;
  }
  QPainterPath spillover, illumination, aperture;
  for (std::size_t i = 0; i < curve_.size(); ++i) {
    const FeedOnDish &p = curve_[i];
    const QPointF s = frame.at(p.fd, p.spillover), l = frame.at(p.fd, p.illumination),
                  a = frame.at(p.fd, p.aperture);
    i == 0 ? spillover.moveTo(s) : spillover.lineTo(s);
    i == 0 ? illumination.moveTo(l) : illumination.lineTo(l);
    i == 0 ? aperture.moveTo(a) : aperture.lineTo(a);
  }
  painter.setPen(spilloverPen);
  painter.drawPath(spillover);
  painter.setPen(illuminationPen);
  painter.drawPath(illumination);
  painter.setPen(aperturePen);
  painter.drawPath(aperture);
  if (best_)
    frame.drawMark(painter, best_->fd, QPen(curveColour(palette()), 1.5, Qt::DotLine),
                   tr("best %1").arg(figureAs<QString>(best_->fd, kSketchDigits)), 1);
  if (dishFd_)
    frame.drawMark(painter, *dishFd_, QPen(palette().color(QPalette::Text), 1.5),
                   tr("dish %1").arg(figureAs<QString>(*dishFd_, kSketchDigits)), 0);
}

} // namespace dishwright
