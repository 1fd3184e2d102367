// The loss budget of "Feed and efficiency" as a picture: one bar a loss, as long
// as its dB, each with its name and figure, so that the loss that matters most
// stands out at a glance.
#pragma once

#include "calc/physics/loss_budget.h"

#include <QWidget>

#include <vector>

namespace dishwright {

class BudgetChart : public QWidget {
  Q_OBJECT
public:
  explicit BudgetChart(QWidget *parent = nullptr);

  // Draws `steps`; a note when there are none.
  void setSteps(std::vector<BudgetStep> steps);
  const std::vector<BudgetStep> &steps() const { return steps_; }

  QSize sizeHint() const override;

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  std::vector<BudgetStep> steps_;
};

} // namespace dishwright
