#include "tools/measure/prime_focus_page.h"

#include "calc/common/figure_text.h"
#include "tools/kit/result_grid.h"
#include "tools/kit/tool_form.h"
#include "tools/kit/tool_state.h"
#include "tools/measure/dish_sketch.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace dishwright {
namespace {
enum Row { FocalLength, Fd, RimAngle, RimLoss };
}

PrimeFocusPage::PrimeFocusPage(LengthUnit unit, QWidget *parent)
    : ToolPage(tr("Lay a straightedge across the rim; type the diameter and the depth from the "
                  "straightedge down to the centre of the dish."),
               parent),
      unit_(unit), sketch_(new DishSketch) {
  auto *form = new QFormLayout;
  diameter_ = addNumberField(form, tr("&Diameter across the rim:"), tr("diameter"));
  depth_ = addNumberField(form, tr("D&epth at the centre:"), tr("depth"));
  results()->addRow(tr("Focal length"), tr("from the centre of the dish to where the feed goes"));
  results()->addRow(tr("f/D"), tr("deep dishes are below 0.35, flat ones above 0.5"));
  results()->addRow(tr("Rim angle"), tr("half the angle the feed must light, seen from the focus"));
  results()->addRow(tr("Rim illumination loss"),
                    tr("how much weaker the rim is lit than the centre, from distance alone"));
  auto *layout = new QVBoxLayout(this);
  layout->addWidget(instructions());
  layout->addLayout(form);
  layout->addWidget(message());
  layout->addWidget(results());
  layout->addWidget(sketch_, 1);
  connect(diameter_, &QLineEdit::textChanged, this, &PrimeFocusPage::refresh);
  connect(depth_, &QLineEdit::textChanged, this, &PrimeFocusPage::refresh);
  auto *state = new ToolState(this, QStringLiteral("prime"));
  state->add(QStringLiteral("diameter"), diameter_);
  state->add(QStringLiteral("depth"), depth_);
  refresh();
}

void PrimeFocusPage::setUnit(LengthUnit unit) {
  unit_ = unit;
  refresh();
}

std::optional<MeasuredDish> PrimeFocusPage::measured() const {
  if (!dish_)
    return std::nullopt;
  const auto plain = [](double size) { return QString::fromStdString(plainFigureText(size)); };
  return MeasuredDish{dish_->fd, diameterTyped_, unit_,
                      tr("measured prime-focus dish, %1 %3 across, %2 %3 deep")
                          .arg(plain(diameterTyped_), plain(depthTyped_), unitSymbol(unit_))};
}

void PrimeFocusPage::forget() {
  dish_.reset();
  diameterTyped_ = depthTyped_ = 0;
}

void PrimeFocusPage::compute() {
  const auto diameter = typedValue(diameter_, "diameter");
  const auto depth = typedValue(depth_, "depth");
  if (!diameter || !depth)
    return;
  const PrimeFocusDish dish = measurePrimeFocus(*diameter, *depth);
  results()->setValue(FocalLength, figure(dish.focalLength, unitSymbol(unit_)));
  results()->setValue(Fd, figure(dish.fd));
  results()->setValue(RimAngle, figure(dish.rimAngleDeg, tr("degrees")));
  results()->setValue(RimLoss, figure(dish.rimLossDb, tr("dB")));
  dish_ = dish;
  diameterTyped_ = *diameter, depthTyped_ = *depth;
}

void PrimeFocusPage::draw() {
  sketch_->setPrimeFocus(diameterTyped_, depthTyped_, dish_, unitSymbol(unit_));
}

} // namespace dishwright
