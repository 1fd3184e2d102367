// FeedWindow's dish: the measured offset dish, the loss budget and the
// calculation screens' gain, apart from the feed's own figures in feed_window.cpp.
#include "tools/feed/feed_window.h"

#include "calc/common/figure_text.h"
#include "calc/common/input_checks.h"
#include "calc/physics/offset_illumination.h"
#include "calc/screen_rules/calc_error.h"
#include "calc/screen_rules/dish_figures.h"
#include "tools/feed/budget_chart.h"
#include "tools/feed/budget_fields.h"
#include "tools/feed/budget_table.h"
#include "tools/feed/feed_rows.h"
#include "tools/kit/result_grid.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <string>

namespace dishwright {
using namespace feed_rows;
namespace {

// The calculation screens' gain text, caught from their figures.
class GainText : public FieldSink {
public:
  void setText(Field field, std::string_view text) override {
    if (field == Field::Gain)
      gain = text;
  }
  void appendRow(std::string_view) override {}
  std::string gain;
};

} // namespace

FeedWindow::~FeedWindow() = default;

void FeedWindow::showOffsetDish(const OffsetDish &dish, LengthUnit unit, const QString &which) {
  fd_->setText(QString::fromStdString(plainFigureText(dish.fd, kFdDigits)));
  showDish(dishUnitLength(dish.width, unit), dishSizeUnit(isMetric(unit)), which);
  offset_ = dish;
  offsetUnit_ = unit;
  showOffsetRows(true);
  refresh();
}

void FeedWindow::showOffsetRows(bool shown) {
  for (const int row : {NearRimLevel, FarRimLevel, BestAimRow})
    results()->setRowVisible(row, shown);
  results()->setRowVisible(EdgeTaper, !shown); // the two rims say it, each with its path
}

// Typing another f/D, diameter or unit makes the dish another one than measured.
void FeedWindow::forgetMeasuredDish() {
  dishLine_->hide();
  if (!offset_)
    return;
  offset_.reset();
  showOffsetRows(false);
  refresh();
}

FeedShares FeedWindow::showOffsetFigures() {
  const OffsetIllumination feed(feed_->pattern(), offsetAperture(*offset_));
  const OffsetOnDish onDish = feed.at(0);
  const BestAim best = feed.best();
  results()->setValue(Spillover, percent(onDish.spillover));
  results()->setValue(Illumination, percent(onDish.illumination));
  results()->setValue(CrossPolarRow, percent(onDish.crossPolar));
  results()->setValue(Aperture, percent(onDish.aperture));
  results()->setValue(NearRimLevel, figure(onDish.nearRimLevelDb, tr("dB")));
  results()->setValue(FarRimLevel, figure(onDish.farRimLevelDb, tr("dB")));
  results()->setValue(BestAimRow,
                      tr("%1, %2").arg(figure(best.aimDeg, tr("degrees")), percent(best.aperture)));
  return {onDish.spillover, onDish.illumination, onDish.crossPolar, 1};
}

void FeedWindow::computeBudget(const FeedShares &feed) {
  const auto diameter = typedValue(diameter_, "diameter");
  const auto frequency = typedValue(frequency_, "frequency");
  const auto blockage = typedValue(blockage_, "blockage diameter");
  const auto surfaceError = typedValue(surfaceError_, "surface error");
  if (!diameter || !frequency)
    return;
  requirePositive(*diameter, "diameter");
  const DishSizeUnit unit = chosenDishSizeUnit(dishUnit_);
  const double smallMm = mmPerUnit(smallUnitOf(unit));
  DishLosses losses;
  losses.frequencyMHz = *frequency;
  losses.apertureDiameterMm = *diameter * mmPerUnit(unit);
  losses.blockageDiameterMm = blockage.value_or(0) * smallMm;
  losses.surfaceErrorRmsMm = surfaceError.value_or(0) * smallMm;
  budgetFields_->readInto(losses, smallMm);
  requireNotNegative(losses.blockageDiameterMm, "blockage diameter");
  // The aperture in mm: the offset dish's own, or the round dish of the f/D typed.
  ApertureCircle aperture = primeAperture(onDish_->fd, losses.apertureDiameterMm);
  if (offset_) {
    const double mm = mmPerUnit(offsetUnit_);
    const ApertureCircle measured = offsetAperture(*offset_);
    aperture = {measured.focalLength * mm, measured.centre * mm, measured.radius * mm};
  }
  const double apertureEfficiency =
      feed.spillover * feed.illumination * feed.crossPolar * feed.phase;
  const BlockedField blocked =
      OffsetIllumination(feed_->pattern(), aperture)
          .blocked(0, losses.blockageDiameterMm, losses.strutCount, losses.strutWidthMm);
  const LossBudget budget = lossBudget(losses, apertureEfficiency, blocked);
  for (const std::string &warning : budget.warnings)
    remarks_.push_back({FeedRemark::Kind::Warning, warning});
  results()->setValue(Blockage, percent(budget.blockage * budget.struts));
  results()->setValue(Surface, percent(budget.surface));
  results()->setValue(Total, percent(budget.total));
  results()->setValue(Gain, figure(budget.gainDbi, tr("dBi")));
  steps_ = budgetSteps(feed, budget);
  budgetTotal_ = budget.total;
  gain_ = budget.gainDbi;
}

// The calculation screens' own steps, in their single precision: the figure a
// builder has seen there, so that the two gains can be told apart.
void FeedWindow::showRuleOfThumbGain() {
  const auto diameter = typedValue(diameter_, "diameter");
  const auto frequency = typedValue(frequency_, "frequency");
  if (!diameter || !frequency)
    return;
  DesignValues values;
  values.dia = static_cast<float>(*diameter);
  values.freq = static_cast<float>(*frequency);
  GainText sink;
  try {
    loadDishFigures(values, isMetric(chosenDishSizeUnit(dishUnit_)), sink);
  } catch (const CalcError &) {
    return; // the screens cannot work it out either; the computed gain says why
  }
  if (!sink.gain.empty())
    results()->setValue(RuleOfThumbGain, QString::fromStdString(sink.gain) + tr(" dBi"));
}

} // namespace dishwright
