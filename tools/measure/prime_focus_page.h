// The prime-focus part of "Measure a dish": focus and feed angle of a round dish
// from its diameter and depth.
#pragma once

#include "calc/common/length_unit.h"
#include "calc/physics/dish_measure.h"
#include "tools/kit/tool_page.h"
#include "tools/measure/measured_dish.h"

#include <optional>

class QLineEdit;

namespace dishwright {

class DishSketch;

class PrimeFocusPage : public ToolPage {
  Q_OBJECT
public:
  explicit PrimeFocusPage(LengthUnit unit, QWidget *parent = nullptr);

  void setUnit(LengthUnit unit);
  // The dish the sizes typed make, when they make one.
  std::optional<MeasuredDish> measured() const;
  QLineEdit *diameterField() const { return diameter_; }
  QLineEdit *depthField() const { return depth_; }

protected:
  void compute() override;
  void forget() override;
  void draw() override;

private:
  LengthUnit unit_;
  QLineEdit *diameter_;
  QLineEdit *depth_;
  DishSketch *sketch_;
  std::optional<PrimeFocusDish> dish_;
  double diameterTyped_ = 0, depthTyped_ = 0; // as the dish was measured, unit_
};

} // namespace dishwright
