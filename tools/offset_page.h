// The offset part of "Measure a dish": focus, offset angle and the f/D the feed
// sees, for an oval dish fed from below its edge.
#pragma once

#include "calc/common/length_unit.h"

#include <QWidget>

#include <optional>

class QLabel;
class QLineEdit;

namespace dishwright {

class DishSketch;
class ResultGrid;

class OffsetPage : public QWidget {
  Q_OBJECT
public:
  explicit OffsetPage(LengthUnit unit, QWidget *parent = nullptr);

  void setUnit(LengthUnit unit);
  // The equivalent f/D of the sizes typed, when they make a dish.
  std::optional<double> fd() const { return fd_; }
  QLineEdit *widthField() const { return width_; }
  QLineEdit *heightField() const { return height_; }
  QLineEdit *depthField() const { return depth_; }
  ResultGrid *results() const { return results_; }

signals:
  void resultChanged();

private:
  void update();

  LengthUnit unit_;
  QLineEdit *width_;
  QLineEdit *height_;
  QLineEdit *depth_;
  QLabel *message_;
  ResultGrid *results_;
  DishSketch *sketch_;
  std::optional<double> fd_;
};

} // namespace dishwright
