#include "tools/feed/budget_chart.h"

#include "tools/feed/budget_table.h"
#include "tools/kit/tool_colours.h"
#include "tools/kit/tool_form.h"

#include <QPainter>

#include <algorithm>

namespace dishwright {
namespace {

// The scale of the bars: at least this many dB across, so that a budget of small
// losses is not drawn as if they were large, dB.
constexpr double kLeastScaleDb = 1;

} // namespace

BudgetChart::BudgetChart(QWidget *parent) : QWidget(parent) {
  setMinimumSize(160, 120);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  setAccessibleName(tr("bars of the losses in dB"));
}

QSize BudgetChart::sizeHint() const {
  const int em = fontMetrics().height();
  return {16 * em, (kBudgetLossCount + 1) * em + em / 2};
}

void BudgetChart::setSteps(std::vector<BudgetStep> steps) {
  steps_ = std::move(steps);
  QStringList said;
  for (const BudgetStep &step : steps_)
    said << tr("%1 %2").arg(BudgetTable::lossName(step.loss), BudgetTable::lossText(step.lossDb));
  setAccessibleDescription(said.join(QStringLiteral(", ")));
  update();
}

void BudgetChart::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Base));
  painter.setPen(palette().color(QPalette::Text));
  const QFontMetrics metrics = fontMetrics();
  if (steps_.empty()) {
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap,
                     tr("The losses show once the dish's diameter and frequency are typed."));
    return;
  }
  double scaleDb = kLeastScaleDb;
  int nameWidth = 0, figureWidth = metrics.horizontalAdvance(QStringLiteral("-00.000 dB "));
  for (const BudgetStep &step : steps_) {
    scaleDb = std::max(scaleDb, step.lossDb);
    nameWidth = std::max(nameWidth, metrics.horizontalAdvance(BudgetTable::lossName(step.loss)));
  }
  const int em = metrics.height(), gap = em / 2;
  const double rowHeight = std::max<double>(em, (height() - gap) / double(steps_.size()));
  const int barLeft = gap + nameWidth + gap;
  const double barSpan = std::max(width() - barLeft - figureWidth - 2 * gap, em);
  const QColor bar = curveColour(palette());
  for (std::size_t i = 0; i < steps_.size(); ++i) {
    const BudgetStep &step = steps_[i];
    const double top = gap / 2.0 + static_cast<double>(i) * rowHeight;
    const QRectF nameBox(gap, top, nameWidth, rowHeight);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(nameBox, Qt::AlignRight | Qt::AlignVCenter, BudgetTable::lossName(step.loss));
    const double length = barSpan * step.lossDb / scaleDb;
    painter.fillRect(QRectF(barLeft, top + rowHeight * 0.2, length, rowHeight * 0.6), bar);
    painter.drawText(QRectF(barLeft + length + gap, top, figureWidth, rowHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, BudgetTable::lossText(step.lossDb));
  }
}

} // namespace dishwright
