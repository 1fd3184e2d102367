// How well a feed lights dishes of every f/D from 0.2 to 1.5: its spillover,
// illumination and aperture efficiencies, with the dish's f/D and the best f/D
// marked.
#pragma once

#include "calc/physics/feed_efficiency.h"

#include <QWidget>

#include <optional>
#include <vector>

namespace dishwright {

class EfficiencyPlot : public QWidget {
  Q_OBJECT
public:
  explicit EfficiencyPlot(QWidget *parent = nullptr);

  // The feed's efficiencies along f/D (empty for an empty plot), the dish's f/D
  // when one is typed, and the best f/D when there is a feed.
  void setCurve(std::vector<FeedOnDish> curve, std::optional<double> dishFd,
                std::optional<BestFd> best);

  QSize sizeHint() const override;

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  std::vector<FeedOnDish> curve_;
  std::optional<double> dishFd_;
  std::optional<BestFd> best_;
};

} // namespace dishwright
