// The loss budget of "Feed and efficiency" as a table: each loss as an
// efficiency in % and as dB, and the gain left after it, down to the total.
#pragma once

#include "calc/physics/loss_budget.h"

#include <QString>
#include <QTableWidget>

#include <vector>

namespace dishwright {

class BudgetTable : public QTableWidget {
  Q_OBJECT
public:
  explicit BudgetTable(QWidget *parent = nullptr);

  // The name of a loss, as the table and the chart show it: "Spillover".
  static QString lossName(BudgetLoss loss);
  // A loss of `lossDb` (dB, 0 or more) as the table and the chart show it: "-0.177 dB".
  static QString lossText(double lossDb);

  // Shows `steps` and the `total` efficiency (0 to 1) with the gain; nothing
  // when `steps` is empty.
  void showSteps(const std::vector<BudgetStep> &steps, double total);

private:
  void keepFiguresWhole();
};

} // namespace dishwright
