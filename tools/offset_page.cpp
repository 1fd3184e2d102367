#include "tools/offset_page.h"

#include "calc/common/input_error.h"
#include "calc/physics/dish_measure.h"
#include "tools/dish_sketch.h"
#include "tools/result_grid.h"
#include "tools/tool_form.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace dishwright {
namespace {
enum Row { FocalLength, OffsetAngle, Fd };
}

OffsetPage::OffsetPage(LengthUnit unit, QWidget *parent)
    : QWidget(parent), unit_(unit), message_(nullptr), results_(new ResultGrid),
      sketch_(new DishSketch) {
  auto *form = new QFormLayout;
  width_ = addNumberField(form, tr("&Width (short axis):"), tr("width"));
  height_ = addNumberField(form, tr("&Height (long axis):"), tr("height"));
  depth_ = addNumberField(form, tr("D&eepest point below a straightedge along the height:"),
                          tr("depth"));
  message_ = makeMessageLabel(this);
  results_->addRow(tr("Focal length"),
                   tr("of the larger round dish this oval is cut from; its focus is where the "
                      "feed goes"));
  results_->addRow(tr("Offset angle"),
                   tr("how far the beam points away from square to the dish face"));
  results_->addRow(tr("f/D"), tr("what a feed for a round dish needs to light this one"));
  auto *layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(message_);
  layout->addWidget(results_);
  layout->addWidget(sketch_, 1);
  for (QLineEdit *field : {width_, height_, depth_})
    connect(field, &QLineEdit::textChanged, this, &OffsetPage::update);
  update();
}

void OffsetPage::setUnit(LengthUnit unit) {
  unit_ = unit;
  update();
}

void OffsetPage::update() {
  fd_.reset();
  results_->clearValues();
  std::optional<OffsetDish> drawn;
  try {
    const auto width = typedValue(width_, "width");
    const auto height = typedValue(height_, "height");
    const auto depth = typedValue(depth_, "depth");
    if (!width || !height || !depth) {
      showHint(message_, tr("Measure the dish face across its short and its long axis; lay a "
                            "straightedge along the long axis and measure the deepest point "
                            "below it."));
    } else {
      const OffsetDish dish = measureOffset(*width, *height, *depth);
      results_->setValue(FocalLength, figure(dish.focalLength, unitSymbol(unit_)));
      results_->setValue(OffsetAngle, figure(dish.offsetAngleDeg, tr("degrees")));
      results_->setValue(Fd, figure(dish.fd));
      showHint(message_, QString());
      fd_ = dish.fd;
      drawn = dish;
    }
  } catch (const InputError &e) {
    showError(message_, QString::fromUtf8(e.what()));
  }
  sketch_->setOffset(drawn, unitSymbol(unit_));
  emit resultChanged();
}

} // namespace dishwright
