#include "tools/feed/budget_table.h"

#include "calc/common/units.h"
#include "tools/kit/tool_form.h"

#include <QHeaderView>

#include <algorithm>

namespace dishwright {
namespace {

enum Column { Efficiency, Decibels, GainAfter, ColumnCount };

QTableWidgetItem *cell(const QString &text) {
  auto *item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return item;
}

} // namespace

BudgetTable::BudgetTable(QWidget *parent)
    : QTableWidget(kBudgetLossCount + 1, ColumnCount, parent) {
  setHorizontalHeaderLabels({tr("Efficiency"), tr("Loss"), tr("Gain after")});
  QStringList names;
  for (int i = 0; i < kBudgetLossCount; ++i)
    names << lossName(static_cast<BudgetLoss>(i));
  names << tr("Total");
  setVerticalHeaderLabels(names);
  setAccessibleName(tr("loss budget: each loss in percent and dB, and the gain after it"));
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setTabKeyNavigation(false);
  // Figures on one line each, the last column taking what the window gives.
  setWordWrap(false);
  horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  horizontalHeader()->setStretchLastSection(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  int height = horizontalHeader()->sizeHint().height() + 2 * frameWidth();
  for (int row = 0; row < rowCount(); ++row)
    height += verticalHeader()->sectionSizeHint(row);
  setMinimumHeight(height);
}

// To a thousandth of a dB, as a builder reads a loss.
QString BudgetTable::lossText(double lossDb) {
  constexpr int kLossDecimals = 3;
  return tr("%1 dB").arg(0.0 - lossDb, 0, 'f', kLossDecimals);
}

QString BudgetTable::lossName(BudgetLoss loss) {
  switch (loss) {
  case BudgetLoss::Spillover:
    return tr("Spillover");
  case BudgetLoss::Illumination:
    return tr("Illumination");
  case BudgetLoss::CrossPolar:
    return tr("Cross-polar");
  case BudgetLoss::Phase:
    return tr("Phase");
  case BudgetLoss::Blockage:
    return tr("Blockage");
  case BudgetLoss::Struts:
    return tr("Struts");
  case BudgetLoss::Mismatch:
    return tr("Mismatch");
  case BudgetLoss::Mesh:
    return tr("Mesh leakage");
  case BudgetLoss::Surface:
    break;
  }
  return tr("Surface");
}

void BudgetTable::showSteps(const std::vector<BudgetStep> &steps, double total) {
  clearContents();
  if (steps.empty())
    return;
  for (int row = 0; row < static_cast<int>(steps.size()); ++row) {
    const BudgetStep &step = steps[static_cast<std::size_t>(row)];
    setItem(row, Efficiency, cell(figure(kPercentPerRatio * step.efficiency, tr("%"))));
    setItem(row, Decibels, cell(lossText(step.lossDb)));
    setItem(row, GainAfter, cell(figure(step.gainAfterDbi, tr("dBi"))));
  }
  const BudgetStep &last = steps.back();
  setItem(kBudgetLossCount, Efficiency, cell(figure(kPercentPerRatio * total, tr("%"))));
  double lossDb = 0;
  for (const BudgetStep &step : steps)
    lossDb += step.lossDb;
  setItem(kBudgetLossCount, Decibels, cell(lossText(lossDb)));
  setItem(kBudgetLossCount, GainAfter, cell(figure(last.gainAfterDbi, tr("dBi"))));
  keepFiguresWhole();
}

// Wide enough for every figure in the fonts of this desktop: the window grows
// rather than cut a gain short.
void BudgetTable::keepFiguresWhole() {
  const int spare = fontMetrics().horizontalAdvance(QLatin1Char('M')); // a cell's padding
  int width = verticalHeader()->sizeHint().width() + 2 * frameWidth();
  for (int column = 0; column < ColumnCount; ++column)
    width +=
        std::max(sizeHintForColumn(column), horizontalHeader()->sectionSizeHint(column)) + spare;
  setMinimumWidth(std::max(minimumWidth(), width));
}

} // namespace dishwright
