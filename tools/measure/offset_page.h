// The offset part of "Measure a dish": focus, offset angle and the f/D the feed
// sees, for an oval dish fed from below its edge.
#pragma once

#include "calc/common/length_unit.h"
#include "calc/physics/dish_measure.h"
#include "tools/kit/tool_page.h"
#include "tools/measure/measured_dish.h"

#include <optional>

class QLabel;
class QLineEdit;

namespace dishwright {

class DishSketch;

class OffsetPage : public ToolPage {
  Q_OBJECT
public:
  explicit OffsetPage(LengthUnit unit, QWidget *parent = nullptr);

  void setUnit(LengthUnit unit);
  // The dish the sizes typed make, when they make one: its equivalent f/D and
  // its width, the diameter of the round aperture it is cut to.
  std::optional<MeasuredDish> measured() const;
  QLineEdit *widthField() const { return width_; }
  QLineEdit *heightField() const { return height_; }
  QLineEdit *depthField() const { return depth_; }
  // Says when the two axes were typed the other way round and taken so.
  QLabel *axesNote() const { return axesNote_; }

protected:
  void compute() override;
  void forget() override;
  void draw() override;

private:
  LengthUnit unit_;
  QLineEdit *width_;
  QLineEdit *height_;
  QLineEdit *depth_;
  QLabel *axesNote_;
  DishSketch *sketch_;
  std::optional<OffsetDish> dish_;
};

} // namespace dishwright
