#include "tools/prime_focus_page.h"

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
enum Row { FocalLength, Fd, RimAngle, RimLoss };
}

PrimeFocusPage::PrimeFocusPage(LengthUnit unit, QWidget *parent)
    : QWidget(parent), unit_(unit), message_(nullptr), results_(new ResultGrid),
      sketch_(new DishSketch) {
  auto *form = new QFormLayout;
  diameter_ = addNumberField(form, tr("&Diameter across the rim:"), tr("diameter"));
  depth_ = addNumberField(form, tr("D&epth at the centre:"), tr("depth"));
  message_ = makeMessageLabel(this);
  results_->addRow(tr("Focal length"), tr("from the centre of the dish to where the feed goes"));
  results_->addRow(tr("f/D"), tr("deep dishes are below 0.35, flat ones above 0.5"));
  results_->addRow(tr("Rim angle"), tr("half the angle the feed must light, seen from the focus"));
  results_->addRow(tr("Rim illumination loss"),
                   tr("how much weaker the rim is lit than the centre, from distance alone"));
  auto *layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(message_);
  layout->addWidget(results_);
  layout->addWidget(sketch_, 1);
  connect(diameter_, &QLineEdit::textChanged, this, &PrimeFocusPage::update);
  connect(depth_, &QLineEdit::textChanged, this, &PrimeFocusPage::update);
  update();
}

void PrimeFocusPage::setUnit(LengthUnit unit) {
  unit_ = unit;
  update();
}

void PrimeFocusPage::update() {
  fd_.reset();
  results_->clearValues();
  std::optional<PrimeFocusDish> drawn;
  double drawnDiameter = 0, drawnDepth = 0;
  try {
    const auto diameter = typedValue(diameter_, "diameter");
    const auto depth = typedValue(depth_, "depth");
    if (!diameter || !depth) {
      showHint(message_, tr("Lay a straightedge across the rim; type the diameter and the depth "
                            "from the straightedge down to the centre of the dish."));
    } else {
      const PrimeFocusDish dish = measurePrimeFocus(*diameter, *depth);
      results_->setValue(FocalLength, figure(dish.focalLength, unitSymbol(unit_)));
      results_->setValue(Fd, figure(dish.fd));
      results_->setValue(RimAngle, figure(dish.rimAngleDeg, tr("degrees")));
      results_->setValue(RimLoss, figure(dish.rimLossDb, tr("dB")));
      showHint(message_, QString());
      fd_ = dish.fd;
      drawn = dish, drawnDiameter = *diameter, drawnDepth = *depth;
    }
  } catch (const InputError &e) {
    showError(message_, QString::fromUtf8(e.what()));
  }
  sketch_->setPrimeFocus(drawnDiameter, drawnDepth, drawn, unitSymbol(unit_));
  emit resultChanged();
}

} // namespace dishwright
