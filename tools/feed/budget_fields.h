// The fields of the loss budget under the dish in "Feed and efficiency": the
// struts holding the feed, the feed's VSWR, and a mesh surface's size and wire.
#pragma once

#include "calc/physics/loss_budget.h"

#include <QString>

#include <vector>

class QFormLayout;
class QLabel;
class QLineEdit;

namespace dishwright {

class BudgetFields {
public:
  // Adds the fields' rows to `form`; the window owns the widgets.
  explicit BudgetFields(QFormLayout *form);

  QLineEdit *strutCountField() const { return strutCount_; }
  QLineEdit *strutWidthField() const { return strutWidth_; }
  QLineEdit *vswrField() const { return vswr_; }
  QLineEdit *meshSizeField() const { return meshSize_; }
  QLineEdit *meshWireField() const { return meshWire_; }
  // Every field, in reading order.
  std::vector<QLineEdit *> fields() const;

  // The unit of the small sizes, "in" or "mm", shown beside them.
  void showSmallUnit(const QString &unit);
  // Reads the fields into `losses`, the small sizes times `mmPerSmallUnit`; a
  // blank field is no struts, a matched feed, a solid surface. Throws InputError
  // for text that is not a number, or a strut count that is not a whole number.
  void readInto(DishLosses &losses, double mmPerSmallUnit) const;

private:
  QLineEdit *strutCount_;
  QLineEdit *strutWidth_;
  QLineEdit *vswr_;
  QLineEdit *meshSize_;
  QLineEdit *meshWire_;
  QLabel *strutUnit_;
  QLabel *meshUnit_;
};

} // namespace dishwright
