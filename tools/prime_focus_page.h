// The prime-focus part of "Measure a dish": focus and feed angle of a round dish
// from its diameter and depth.
#pragma once

#include "calc/common/length_unit.h"

#include <QWidget>

#include <optional>

class QLabel;
class QLineEdit;

namespace dishwright {

class DishSketch;
class ResultGrid;

class PrimeFocusPage : public QWidget {
  Q_OBJECT
public:
  explicit PrimeFocusPage(LengthUnit unit, QWidget *parent = nullptr);

  void setUnit(LengthUnit unit);
  // The f/D of the sizes typed, when they make a dish.
  std::optional<double> fd() const { return fd_; }
  QLineEdit *diameterField() const { return diameter_; }
  QLineEdit *depthField() const { return depth_; }
  ResultGrid *results() const { return results_; }

signals:
  void resultChanged();

private:
  void update();

  LengthUnit unit_;
  QLineEdit *diameter_;
  QLineEdit *depth_;
  QLabel *message_;
  ResultGrid *results_;
  DishSketch *sketch_;
  std::optional<double> fd_;
};

} // namespace dishwright
