// The offset part of "Measure a dish": focus, offset angle and the f/D the feed
// sees, for an oval dish fed from below its edge.
#pragma once

#include "calc/common/length_unit.h"
#include "calc/physics/dish_measure.h"
#include "tools/tool_page.h"

#include <optional>

class QLineEdit;

namespace dishwright {

class DishSketch;

class OffsetPage : public ToolPage {
  Q_OBJECT
public:
  explicit OffsetPage(LengthUnit unit, QWidget *parent = nullptr);

  void setUnit(LengthUnit unit);
  // The equivalent f/D of the sizes typed, when they make a dish.
  std::optional<double> fd() const;
  QLineEdit *widthField() const { return width_; }
  QLineEdit *heightField() const { return height_; }
  QLineEdit *depthField() const { return depth_; }

protected:
  void compute() override;
  void forget() override { dish_.reset(); }
  void draw() override;

private:
  LengthUnit unit_;
  QLineEdit *width_;
  QLineEdit *height_;
  QLineEdit *depth_;
  DishSketch *sketch_;
  std::optional<OffsetDish> dish_;
};

} // namespace dishwright
