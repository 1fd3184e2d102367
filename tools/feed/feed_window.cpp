#include "tools/feed/feed_window.h"

#include "calc/common/figure_text.h"
#include "calc/common/input_checks.h"
#include "calc/common/input_error.h"
#include "calc/common/units.h"
#include "calc/physics/guide_modes.h"
#include "paper/file_name.h"
#include "tools/feed/budget_chart.h"
#include "tools/feed/budget_fields.h"
#include "tools/feed/budget_table.h"
#include "tools/feed/can_model_chooser.h"
#include "tools/feed/efficiency_plot.h"
#include "tools/feed/feed_rows.h"
#include "tools/feed/feed_table.h"
#include "tools/feed/pattern_file_loader.h"
#include "tools/feed/pattern_plot.h"
#include "tools/kit/file_dialogs.h"
#include "tools/kit/result_grid.h"
#include "tools/kit/tool_colours.h"
#include "tools/kit/tool_form.h"
#include "tools/kit/tool_state.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QJsonValue>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <string>

namespace dishwright {
using namespace feed_rows;
namespace {

// Points of the efficiency plot from f/D 0.2 to 1.5: one every 0.005.
constexpr int kCurvePoints = 261;
// Significant digits of a seeded diameter or frequency: all a single-precision
// screen value holds, without its binary tail (1.2, not 1.2000000476837158).
constexpr int kSeedDigits = 7;

QString seedText(double value, int digits) {
  return value > 0 ? QString::fromStdString(plainFigureText(value, digits)) : QString();
}

// A field with its unit after it, for a form row.
QHBoxLayout *withUnit(QWidget *field, QWidget *unit) {
  auto *row = new QHBoxLayout;
  row->addWidget(field, 1);
  row->addWidget(unit);
  return row;
}

QLineEdit *numberField(const QString &accessibleName, const QString &description) {
  auto *field = new QLineEdit;
  field->setAccessibleName(accessibleName);
  field->setAccessibleDescription(description);
  field->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
  return field;
}

QLabel *buddyLabel(const QString &text, QWidget *buddy) {
  auto *label = new QLabel(text);
  label->setBuddy(buddy);
  return label;
}

} // namespace

FeedWindow::FeedWindow(const DesignSeed &seed, QWidget *parent)
    : ToolPage(tr("Choose the feed and type its figures, then the dish's f/D; its diameter and "
                  "frequency give the gain."),
               parent, Qt::Window),
      patternPlot_(new PatternPlot), efficiencyPlot_(new EfficiencyPlot),
      budgetTable_(new BudgetTable), budgetChart_(new BudgetChart),
      patternLoader_(new PatternFileLoader(this)) {
  setWindowTitle(tr("Feed and efficiency"));
  model_ = new QComboBox;
  model_->addItems({tr("cos^N pattern"), tr("-10 dB beamwidth"), tr("Open can (TE11)"),
                    tr("Pattern from a file")});
  model_->setAccessibleName(tr("feed model"));
  auto *form = new QFormLayout;
  form->addRow(buddyLabel(tr("Feed &model:"), model_), model_);
  form->addRow(makeModelPages());
  auto *dishForm = makeDishForm();
  feedTable_ = makeFeedTable();
  warnings_ = makeMessageLabel(nullptr);
  warnings_->setAccessibleName(tr("warnings about this feed"));
  QPalette warningPalette = warnings_->palette();
  warningPalette.setColor(QPalette::WindowText, errorColour(warningPalette));
  warnings_->setPalette(warningPalette);
  notes_ = makeMessageLabel(nullptr);
  notes_->setAccessibleName(tr("how the feed's figures were read"));
  addResultRows();

  auto *left = new QVBoxLayout;
  left->addWidget(instructions());
  left->addLayout(form);
  left->addLayout(dishForm);
  left->addWidget(message());
  left->addWidget(warnings_);
  left->addWidget(notes_);
  left->addWidget(results());
  left->addStretch(1);
  auto *right = new QVBoxLayout;
  right->addWidget(patternPlot_, 1);
  right->addWidget(efficiencyPlot_, 1);
  right->addWidget(buddyLabel(tr("Common feeds and the f/D each &suits:"), feedTable_));
  right->addWidget(feedTable_);
  // The budget under the feeds: the table and its bars side by side.
  auto *budget = new QHBoxLayout;
  budget->addWidget(budgetTable_, 3);
  budget->addWidget(budgetChart_, 2);
  right->addWidget(buddyLabel(tr("Loss bud&get:"), budgetTable_));
  right->addLayout(budget);
  auto *layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addLayout(right, 1);

  fd_->setText(seedText(seed.fd, kFdDigits));
  diameter_->setText(seedText(seed.diameter, kSeedDigits));
  dishUnit_->setCurrentIndex(dishUnit_->findData(static_cast<int>(seed.unit)));
  // A can is measured in inches, or in cm for a metric design, as "Check a can" does.
  canUnit_->setCurrentIndex(canUnit_->findData(
      static_cast<int>(isMetric(seed.unit) ? LengthUnit::Cm : LengthUnit::Inch)));
  frequency_->setText(seedText(seed.frequencyMHz, kSeedDigits));
  showSmallSizeUnit();

  for (QLineEdit *field :
       {exponent_, beamwidth_, canDiameter_, fd_, diameter_, frequency_, blockage_, surfaceError_})
    connect(field, &QLineEdit::textChanged, this, &FeedWindow::refresh);
  for (QLineEdit *field : budgetFields_->fields())
    connect(field, &QLineEdit::textChanged, this, &FeedWindow::refresh);
  connect(model_, &QComboBox::currentIndexChanged, this, &FeedWindow::chooseModel);
  for (QComboBox *chooser : {canUnit_, canModel_})
    connect(chooser, &QComboBox::currentIndexChanged, this, &FeedWindow::refresh);
  connect(dishUnit_, &QComboBox::currentIndexChanged, this, [this] {
    showSmallSizeUnit();
    refresh();
  });
  connect(openPattern_, &QPushButton::clicked, this, &FeedWindow::openPatternDialog);
  connect(patternLoader_, &PatternFileLoader::patternRead, this, &FeedWindow::usePatternFile);
  connect(patternLoader_, &PatternFileLoader::readFailed, this, &FeedWindow::refusePatternFile);
  connect(this, &ToolPage::resultChanged, this, &FeedWindow::sendGain);
  connect(new QShortcut(QKeySequence::Close, this), &QShortcut::activated, this, &QWidget::close);
  connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);
  orderTabs();
  chooseModel(CosN);
  auto *state = new ToolState(this);
  state->add(QStringLiteral("model"), model_);
  state->add(QStringLiteral("exponent"), exponent_);
  state->add(QStringLiteral("beamwidth"), beamwidth_);
  state->add(QStringLiteral("canUnit"), canUnit_);
  state->add(QStringLiteral("canDiameter"), canDiameter_);
  state->add(QStringLiteral("canModel"), canModel_);
  state->add(QStringLiteral("dishUnit"), dishUnit_);
  state->add(QStringLiteral("fd"), fd_);
  state->add(QStringLiteral("diameter"), diameter_);
  state->add(QStringLiteral("frequencyMHz"), frequency_);
  state->add(QStringLiteral("blockage"), blockage_);
  state->add(QStringLiteral("surfaceError"), surfaceError_);
  state->add(QStringLiteral("strutCount"), budgetFields_->strutCountField());
  state->add(QStringLiteral("strutWidth"), budgetFields_->strutWidthField());
  state->add(QStringLiteral("vswr"), budgetFields_->vswrField());
  state->add(QStringLiteral("meshSize"), budgetFields_->meshSizeField());
  state->add(QStringLiteral("meshWire"), budgetFields_->meshWireField());
  // The pattern file by its name: read again when the inputs are given back.
  state->add(
      QStringLiteral("patternFile"), [this] { return QJsonValue(filePatternPath_); },
      [this](const QJsonValue &name) {
        if (!name.toString().isEmpty())
          loadPatternFile(name.toString());
      });
}

QWidget *FeedWindow::makeModelPages() {
  modelPages_ = new QStackedWidget;
  const auto page = [this](QWidget *label, QLayout *field) {
    auto *widget = new QWidget;
    auto *form = new QFormLayout(widget);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(label, field);
    modelPages_->addWidget(widget);
  };
  const auto single = [](QWidget *field) {
    auto *row = new QHBoxLayout;
    row->addWidget(field);
    return row;
  };
  exponent_ = numberField(tr("cos exponent N"), tr("the feed's power falls as cos^N of the angle "
                                                   "off its axis"));
  page(buddyLabel(tr("&N, power of cos:"), exponent_), single(exponent_));
  beamwidth_ = numberField(tr("-10 dB beamwidth"),
                           tr("degrees, the full angle between the points 10 dB down"));
  page(buddyLabel(tr("-10 dB &beamwidth, degrees:"), beamwidth_), single(beamwidth_));
  canDiameter_ = numberField(tr("can inside diameter"),
                             tr("across the open end, inside, in the unit chosen beside it; the "
                                "can works at the dish's frequency below"));
  canUnit_ = makeUnitChooser(LengthUnit::Inch, this);
  canUnit_->setAccessibleName(tr("can diameter unit"));
  page(buddyLabel(tr("Can &inside diameter:"), canDiameter_), withUnit(canDiameter_, canUnit_));
  canModel_ = makeCanModelChooser(this);
  static_cast<QFormLayout *>(modelPages_->widget(Can)->layout())
      ->addRow(buddyLabel(tr("Can m&odel:"), canModel_), canModel_);
  openPattern_ = new QPushButton(tr("Open &pattern..."));
  openPattern_->setAccessibleDescription(
      tr("reads a text file of lines \"angle E H\": degrees off the axis from 0, E- and H-plane "
         "levels in dB"));
  patternName_ = new QLabel(tr("no file read yet"));
  patternName_->setWordWrap(true);
  auto *fileRow = new QHBoxLayout;
  fileRow->addWidget(openPattern_);
  fileRow->addWidget(patternName_, 1);
  page(buddyLabel(tr("Listed pattern:"), openPattern_), fileRow);
  return modelPages_;
}

QLayout *FeedWindow::makeDishForm() {
  auto *form = new QFormLayout;
  dishLine_ = new QLabel;
  dishLine_->setWordWrap(true);
  dishLine_->hide(); // the design's dish goes without saying
  form->addRow(dishLine_);
  fd_ = numberField(tr("f/D"), tr("focal length over diameter of the dish"));
  form->addRow(buddyLabel(tr("&f/D of the dish:"), fd_), fd_);
  diameter_ = numberField(tr("dish diameter"), tr("in feet or metres, as chosen beside it"));
  dishUnit_ = makeDishSizeChooser(DishSizeUnit::Feet, this);
  form->addRow(buddyLabel(tr("Dish &diameter:"), diameter_), withUnit(diameter_, dishUnit_));
  frequency_ = numberField(tr("frequency"), tr("MHz"));
  form->addRow(buddyLabel(tr("Fre&quency, MHz:"), frequency_), frequency_);
  blockage_ = numberField(tr("blockage diameter"),
                          tr("the width of the feed or its housing in front of the dish; inches "
                             "for a dish in feet, mm for one in metres; blank for none"));
  blockageUnit_ = new QLabel;
  form->addRow(buddyLabel(tr("B&lockage diameter:"), blockage_),
               withUnit(blockage_, blockageUnit_));
  surfaceError_ = numberField(tr("RMS surface error"),
                              tr("inches for a dish in feet, mm for one in metres; blank for a "
                                 "perfect surface"));
  surfaceErrorUnit_ = new QLabel;
  form->addRow(buddyLabel(tr("RMS surface &error:"), surfaceError_),
               withUnit(surfaceError_, surfaceErrorUnit_));
  budgetFields_ = std::make_unique<BudgetFields>(form);
  for (QLineEdit *field : {fd_, diameter_})
    connect(field, &QLineEdit::textEdited, this, &FeedWindow::forgetMeasuredDish);
  connect(dishUnit_, &QComboBox::activated, this, &FeedWindow::forgetMeasuredDish);
  return form;
}

void FeedWindow::showDish(double diameter, DishSizeUnit unit, const QString &which) {
  dishUnit_->setCurrentIndex(dishUnit_->findData(static_cast<int>(unit)));
  diameter_->setText(QString::fromStdString(exactFigureText(diameter)));
  dishLine_->setText(tr("Dish: %1").arg(which));
  dishLine_->show();
}

void FeedWindow::addResultRows() {
  ResultGrid *grid = results();
  grid->addRow(tr("Rim angle"), tr("half the angle the dish fills, seen from the feed"));
  grid->addRow(tr("Equivalent cos n"), tr("the cos^n feed of this beamwidth"));
  grid->addRow(tr("Edge taper"), tr("the rim against the centre, path included; aim for -10 to "
                                    "-12 dB"));
  grid->addRow(tr("Near rim level"), tr("the rim nearer the feed against the feed's axis, path "
                                        "included"));
  grid->addRow(tr("Far rim level"), tr("the far rim against the feed's axis: weaker, its path "
                                       "is longer"));
  grid->addRow(tr("Spillover efficiency"), tr("the share of the feed's power the dish catches"));
  grid->addRow(tr("Illumination efficiency"), tr("how evenly the dish is lit"));
  grid->addRow(tr("Cross-polar efficiency"),
               tr("the share of the power caught that stays in the feed's polarisation"));
  grid->addRow(tr("Aperture efficiency"), tr("spillover times illumination times cross-polar"));
  grid->addRow(tr("Best f/D"), tr("the dish this feed lights best"));
  grid->addRow(tr("Best aperture efficiency"), tr("the aperture efficiency on that dish"));
  grid->addRow(tr("Best aim"), tr("degrees toward the far rim from the aim point"));
  grid->addRow(tr("Phase centre"), tr("where the feed's waves seem to come from"));
  grid->addRow(tr("Phase efficiency"), tr("what the feed's phase leaves, its phase centre at the "
                                          "focus"));
  grid->addRow(tr("Blockage efficiency"),
               tr("what the shadows of the feed and its struts leave, weighted by how "
                  "brightly the feed lights where they fall"));
  grid->addRow(tr("Surface efficiency"), tr("what the surface error leaves (Ruze)"));
  grid->addRow(tr("Total efficiency"), tr("every loss of the loss budget multiplied"));
  grid->addRow(tr("Gain with this feed"), tr("worked out here from the total efficiency"));
  grid->addRow(tr("Rule-of-thumb gain"),
               tr("the calculation screen's, which takes about 55 % efficiency"));
  showOffsetRows(false);
}

void FeedWindow::chooseModel(int model) {
  modelPages_->setCurrentIndex(model);
  results()->setRowVisible(EquivalentN, model == Beamwidth);
  refresh();
}

// In reading order: the chooser, the page's fields (those of hidden pages are
// passed over), the dish; each unit chooser after its field.
void FeedWindow::orderTabs() {
  std::vector<QWidget *> order = {model_,     exponent_,    beamwidth_,   canDiameter_, canUnit_,
                                  canModel_,  openPattern_, fd_,          diameter_,    dishUnit_,
                                  frequency_, blockage_,    surfaceError_};
  for (QLineEdit *field : budgetFields_->fields())
    order.push_back(field);
  for (std::size_t i = 0; i + 1 < order.size(); ++i)
    setTabOrder(order[i], order[i + 1]);
}

void FeedWindow::showSmallSizeUnit() {
  const QString unit = unitSymbol(smallUnitOf(chosenDishSizeUnit(dishUnit_)));
  blockageUnit_->setText(unit);
  surfaceErrorUnit_->setText(unit);
  budgetFields_->showSmallUnit(unit);
}

void FeedWindow::openPatternDialog() {
  const QString path = chooseOpenFile(this, tr("Open a feed pattern"),
                                      tr("Pattern lists (*.txt *.csv *.dat *.tsv);;All files (*)"));
  if (!path.isEmpty())
    loadPatternFile(path);
}

void FeedWindow::loadPatternFile(const QString &path) { patternLoader_->load(path); }

void FeedWindow::usePatternFile(const QString &path, const FeedPattern &pattern) {
  filePattern_ = pattern;
  filePatternPath_ = path;
  filePatternName_ = shownFileName(QFileInfo(path).fileName());
  fileError_.clear();
  patternName_->setText(
      tr("%1, 0 to %2 degrees").arg(filePatternName_, figure(filePattern_->extentDeg())));
  showPatternModel();
}

void FeedWindow::refusePatternFile(const QString &path, const QString &why) {
  fileError_ = why;
  if (!filePattern_)
    patternName_->setText(tr("%1 not read").arg(shownFileName(QFileInfo(path).fileName())));
  showPatternModel();
}

void FeedWindow::showPatternModel() {
  if (model_->currentIndex() == PatternFile)
    refresh();
  else
    model_->setCurrentIndex(PatternFile); // refreshes
}

void FeedWindow::forget() {
  feed_.reset();
  curve_.clear();
  best_.reset();
  onDish_.reset();
  gain_.reset();
  remarks_.clear();
  steps_.clear();
  for (int row : {PhaseCentreRow, PhaseEfficiencyRow})
    results()->setRowVisible(row, false); // shown again for a feed with phases
}

std::optional<FeedPattern> FeedWindow::typedPattern() {
  switch (model_->currentIndex()) {
  case CosN:
    if (const auto n = typedValue(exponent_, "cos n exponent"))
      return cosNPattern(*n);
    return std::nullopt;
  case Beamwidth:
    if (const auto width = typedValue(beamwidth_, "beamwidth")) {
      const double n = cosNForBeamwidth(*width);
      results()->setValue(EquivalentN, figure(n));
      return cosNPattern(n);
    }
    return std::nullopt;
  case Can: {
    const auto diameter = typedValue(canDiameter_, "can diameter");
    const auto frequency = typedValue(frequency_, "frequency");
    if (!diameter || !frequency)
      return std::nullopt;
    CanFeed can = canFeed(*diameter, chosenUnit(canUnit_), *frequency, chosenCanModel(canModel_));
    remarks_ = std::move(can.remarks);
    phaseUnit_ = {mmPerUnit(chosenUnit(canUnit_)) * *frequency / kSpeedOfLightMmMHz,
                  QString::fromUtf8(lengthSymbol(chosenUnit(canUnit_)))};
    return std::move(can.pattern);
  }
  default:
    if (!filePattern_ && !fileError_.isEmpty())
      throw InputError(fileError_.toStdString());
    return filePattern_;
  }
}

void FeedWindow::compute() {
  computeFigures();
  // A file that could not be read is said beside the figures of the one before.
  if (model_->currentIndex() == PatternFile && filePattern_ && !fileError_.isEmpty())
    throw InputError(tr("%1; the figures are still those of %2")
                         .arg(fileError_, filePatternName_)
                         .toStdString());
}

void FeedWindow::computeFigures() {
  showRuleOfThumbGain();
  const auto fd = typedValue(fd_, "f/D");
  if (fd)
    requirePositive(*fd, "f/D");
  phaseUnit_ = {1.0, tr("wavelengths")};
  auto pattern = typedPattern();
  if (!pattern)
    return;
  for (FeedRemark &remark : patternRemarks(*pattern))
    remarks_.push_back(std::move(remark));
  feed_.emplace(std::move(*pattern));
  curve_ = feed_->curve(kBestFdLowest, kBestFdHighest, kCurvePoints);
  best_ = feed_->best();
  showBest(*best_);
  if (!fd)
    return;
  onDish_ = feed_->at(*fd);
  showFeedOnDish(*onDish_);
  const FeedPhaseFigures phase = feedPhaseFigures(feed_->pattern(), *fd, std::nullopt);
  showPhase(phase);
  FeedShares shares =
      offset_ ? showOffsetFigures()
              : FeedShares{onDish_->spillover, onDish_->illumination, onDish_->crossPolar};
  shares.phase = phase.efficiency.value_or(1);
  computeBudget(shares);
}

// A best f/D at an end of the range searched is said to lie there or beyond.
void FeedWindow::showBest(const BestFd &best) {
  if (best.edge == BestFdEdge::Inside) {
    results()->setValue(BestFdRow, figure(best.fd));
    results()->setValue(BestAperture, percent(best.aperture));
    return;
  }
  const QString fd = QString::fromStdString(plainFigureText(best.fd));
  results()->setValue(BestFdRow, best.edge == BestFdEdge::Lowest ? tr("%1 or below").arg(fd)
                                                                 : tr("%1 or above").arg(fd));
  results()->setValue(BestAperture, tr("%1 or above").arg(percent(best.aperture)));
}

// Shown whatever else the inputs make: a can's modes matter even when the dish's
// figures cannot be worked out.
void FeedWindow::showRemarks() {
  QStringList warnings, notes;
  for (const FeedRemark &remark : remarks_) {
    const QString text = QString::fromStdString(remark.text);
    if (remark.kind == FeedRemark::Kind::Note)
      notes << tr("Note: %1.").arg(text);
    else
      warnings << tr("Warning: %1.").arg(text);
  }
  warnings_->setText(warnings.join(QLatin1Char('\n')));
  warnings_->setVisible(!warnings.isEmpty());
  notes_->setText(notes.join(QLatin1Char('\n')));
  notes_->setVisible(!notes.isEmpty());
}

void FeedWindow::showFeedOnDish(const FeedOnDish &onDish) {
  results()->setValue(RimAngle, figure(onDish.rimAngleDeg, tr("degrees")));
  results()->setValue(EdgeTaper, figure(onDish.edgeTaperDb, tr("dB")));
  results()->setValue(Spillover, percent(onDish.spillover));
  results()->setValue(Illumination, percent(onDish.illumination));
  results()->setValue(CrossPolarRow, percent(onDish.crossPolar));
  results()->setValue(Aperture, percent(onDish.aperture));
}

void FeedWindow::showPhase(const FeedPhaseFigures &phase) {
  if (!phase.centre)
    return;
  for (int row : {PhaseCentreRow, PhaseEfficiencyRow})
    results()->setRowVisible(row, true);
  results()->setValue(PhaseCentreRow, phaseCentreValue(*phase.centre, phaseUnit_));
  results()->setMeaning(PhaseCentreRow, phaseCentreMeaning(*phase.centre, phaseUnit_));
  results()->setValue(PhaseEfficiencyRow, percent(*phase.efficiency));
}

void FeedWindow::draw() {
  showRemarks();
  patternPlot_->setPattern(feed_ ? std::optional<FeedPattern>(feed_->pattern()) : std::nullopt,
                           onDish_ ? std::optional<double>(onDish_->rimAngleDeg) : std::nullopt);
  efficiencyPlot_->setCurve(curve_, onDish_ ? std::optional<double>(onDish_->fd) : std::nullopt,
                            best_);
  budgetTable_->showSteps(steps_, steps_.empty() ? 0 : budgetTotal_);
  budgetChart_->setSteps(steps_);
}

void FeedWindow::sendGain() {
  if (gain_ && gain_ != sentGain_)
    emit gainChanged(*gain_);
  sentGain_ = gain_;
}

} // namespace dishwright
