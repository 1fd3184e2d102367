// A feed's pattern: its E- and H-plane levels in dB against the angle off its
// axis, down to a floor of -40 dB, with the dish's rim angle marked.
#pragma once

#include "calc/physics/feed_pattern.h"

#include <QWidget>

#include <optional>

namespace dishwright {

class PatternPlot : public QWidget {
  Q_OBJECT
public:
  explicit PatternPlot(QWidget *parent = nullptr);

  // The pattern drawn, none for an empty plot; `rimAngleDeg` (degrees) marks the
  // dish's rim when there is one.
  void setPattern(std::optional<FeedPattern> pattern, std::optional<double> rimAngleDeg);

  QSize sizeHint() const override;

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  std::optional<FeedPattern> pattern_;
  std::optional<double> rimAngleDeg_;
};

} // namespace dishwright
