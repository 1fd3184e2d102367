#include "tools/measure/offset_page.h"

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
enum Row { FocalLength, OffsetAngle, Fd, FocusToNearRim, FocusToFarRim, FeedHalfAngle, AimPoint };

// A size as typed, in words: "73", "4.3".
QString plainFigure(double size) { return QString::fromStdString(plainFigureText(size)); }
} // namespace

OffsetPage::OffsetPage(LengthUnit unit, QWidget *parent)
    : ToolPage(tr("Measure the dish face across its short and its long axis (in either order: "
                  "the larger is taken as the height); lay a straightedge along the long axis "
                  "and measure the deepest point below it. The near rim is the end of the long "
                  "axis nearer the feed, usually the edge the feed arm is fixed to."),
               parent),
      unit_(unit), axesNote_(new QLabel), sketch_(new DishSketch) {
  auto *form = new QFormLayout;
  width_ = addNumberField(form, tr("&Width (short axis):"), tr("width"));
  height_ = addNumberField(form, tr("&Height (long axis):"), tr("height"));
  depth_ = addNumberField(form, tr("D&eepest point below a straightedge along the height:"),
                          tr("depth"));
  results()->addRow(tr("Focal length"),
                    tr("of the larger round dish this oval is cut from; its focus is where the "
                       "feed goes"));
  results()->addRow(tr("Offset angle"),
                    tr("how far the beam points away from square to the dish face"));
  results()->addRow(tr("Equivalent f/D (for choosing the feed)"),
                    tr("what a feed for a round dish needs to light this one"));
  results()->addRow(tr("Focus to near rim"),
                    tr("a tape from the end of the long axis nearer the feed (usually the edge "
                       "the feed arm is fixed to) to the feed's phase centre"));
  results()->addRow(tr("Focus to far rim"),
                    tr("a second tape from the other end; the feed goes where both meet"));
  results()->addRow(tr("Feed half-angle"),
                    tr("half the angle the feed must light, seen from the focus"));
  results()->addRow(tr("Aim point from near rim"),
                    tr("along a straightedge on the long axis: point the feed's axis here"));
  auto *layout = new QVBoxLayout(this);
  layout->addWidget(instructions());
  layout->addLayout(form);
  axesNote_->setWordWrap(true);
  axesNote_->setAccessibleName(tr("Note on the sizes"));
  layout->addWidget(axesNote_);
  layout->addWidget(message());
  layout->addWidget(results());
  layout->addWidget(sketch_, 1);
  for (QLineEdit *field : {width_, height_, depth_})
    connect(field, &QLineEdit::textChanged, this, &OffsetPage::refresh);
  auto *state = new ToolState(this, QStringLiteral("offset"));
  state->add(QStringLiteral("width"), width_);
  state->add(QStringLiteral("height"), height_);
  state->add(QStringLiteral("depth"), depth_);
  refresh();
}

void OffsetPage::setUnit(LengthUnit unit) {
  unit_ = unit;
  refresh();
}

std::optional<MeasuredDish> OffsetPage::measured() const {
  if (!dish_)
    return std::nullopt;
  return MeasuredDish{
      dish_->fd, dish_->width, unit_,
      tr("measured offset dish, %1 x %2 %3 (width as diameter)")
          .arg(plainFigure(dish_->width), plainFigure(dish_->height), unitSymbol(unit_))};
}

void OffsetPage::forget() {
  dish_.reset();
  axesNote_->clear();
}

void OffsetPage::compute() {
  const auto width = typedValue(width_, "width");
  const auto height = typedValue(height_, "height");
  const auto depth = typedValue(depth_, "depth");
  if (!width || !height || !depth)
    return;
  const OffsetDish dish = measureOffset(*width, *height, *depth);
  if (dish.axesSwapped)
    axesNote_->setText(
        tr("Taken the other way round: the larger size, %1 %3, as the height "
           "(long axis), %2 %3 as the width.")
            .arg(plainFigure(dish.height), plainFigure(dish.width), unitSymbol(unit_)));
  results()->setValue(FocalLength, figure(dish.focalLength, unitSymbol(unit_)));
  results()->setValue(OffsetAngle, figure(dish.offsetAngleDeg, tr("degrees")));
  results()->setValue(Fd, figure(dish.fd));
  results()->setValue(FocusToNearRim, figure(dish.focusToNearRim, unitSymbol(unit_)));
  results()->setValue(FocusToFarRim, figure(dish.focusToFarRim, unitSymbol(unit_)));
  results()->setValue(FeedHalfAngle, figure(dish.feedHalfAngleDeg, tr("degrees")));
  results()->setValue(AimPoint, figure(dish.aimFromNearRim, unitSymbol(unit_)));
  dish_ = dish;
}

void OffsetPage::draw() { sketch_->setOffset(dish_, unitSymbol(unit_)); }

} // namespace dishwright
