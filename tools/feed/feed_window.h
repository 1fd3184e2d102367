// "Feed and efficiency": how well a feed lights a prime-focus dish. The feed is
// a cos^n pattern, a -10 dB beamwidth, an open can or a listed pattern from a
// file; the figures are its spillover, illumination and aperture efficiencies
// on the dish, the f/D that suits it best, and with the dish's size the gain,
// beside the calculation screen's rule of thumb.
#pragma once

#include "calc/common/length_unit.h"
#include "calc/physics/dish_measure.h"
#include "calc/physics/feed_efficiency.h"
#include "calc/physics/feed_pattern.h"
#include "calc/physics/feed_remarks.h"
#include "calc/physics/loss_budget.h"
#include "calc/physics/phase_centre.h"
#include "tools/feed/can_model_chooser.h"
#include "tools/kit/design_seed.h"
#include "tools/kit/tool_page.h"

#include <memory>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTableWidget;

namespace dishwright {

class BudgetChart;
class BudgetFields;
class BudgetTable;
class EfficiencyPlot;
class PatternFileLoader;
class PatternPlot;

class FeedWindow : public ToolPage {
  Q_OBJECT
public:
  // The feed models, in the order the chooser lists them.
  enum Model { CosN, Beamwidth, Can, PatternFile };

  // Starts from the design's f/D, diameter (feet or metres) and frequency.
  explicit FeedWindow(const DesignSeed &seed, QWidget *parent = nullptr);
  ~FeedWindow() override;

  // Shows a measured dish in place of the design's: its `diameter` in metres
  // when `metric`, else in feet, every digit kept, and on a line over the dish's
  // fields which dish it is (`which`), until the user changes its f/D, diameter
  // or unit.
  void showDish(double diameter, DishSizeUnit unit, const QString &which);
  // Shows a measured offset dish (sizes in `unit`): its equivalent f/D and its
  // width as above, and the feed summed over its true aperture, aimed at the aim
  // point, with the rims' levels and the best aim, until the user changes its
  // f/D, diameter or unit.
  void showOffsetDish(const OffsetDish &dish, LengthUnit unit, const QString &which);

  // Starts reading the listed pattern at `path`, as "Open pattern..." does with
  // the file chosen, on a thread of its own; once read, shows it (or why it
  // cannot be read) with the pattern model. Until then, and when the reading fails
  // or is cancelled, the pattern read before stays in use.
  void loadPatternFile(const QString &path);
  // Reads the pattern files, with the progress and Cancel of a long reading.
  PatternFileLoader *patternLoader() const { return patternLoader_; }

  QComboBox *modelChooser() const { return model_; }
  QLineEdit *exponentField() const { return exponent_; }
  QLineEdit *beamwidthField() const { return beamwidth_; }
  QLineEdit *canDiameterField() const { return canDiameter_; }
  QComboBox *canUnitChooser() const { return canUnit_; }
  QComboBox *canModelChooser() const { return canModel_; }
  QPushButton *openPatternButton() const { return openPattern_; }
  QLabel *dishLine() const { return dishLine_; }
  QLineEdit *fdField() const { return fd_; }
  QLineEdit *diameterField() const { return diameter_; }
  QComboBox *dishUnitChooser() const { return dishUnit_; }
  QLineEdit *frequencyField() const { return frequency_; }
  QLineEdit *blockageField() const { return blockage_; }
  QLineEdit *surfaceErrorField() const { return surfaceError_; }
  PatternPlot *patternPlot() const { return patternPlot_; }
  EfficiencyPlot *efficiencyPlot() const { return efficiencyPlot_; }
  QTableWidget *feedTable() const { return feedTable_; }
  const BudgetFields &budgetFields() const { return *budgetFields_; }
  BudgetTable *budgetTable() const { return budgetTable_; }
  BudgetChart *budgetChart() const { return budgetChart_; }
  // The feed's warnings, one "Warning: ..." line each, in the warning colour.
  QLabel *warnings() const { return warnings_; }
  // How an input was read, one "Note: ..." line each.
  QLabel *notes() const { return notes_; }

  // The gain of the dish with this feed, dBi, when the inputs give one.
  std::optional<double> gainDbi() const { return gain_; }

signals:
  // The gain of the dish with this feed, dBi, each time the inputs give a new one.
  void gainChanged(double gainDbi);

protected:
  void compute() override;
  void forget() override;
  void draw() override;

private:
  QWidget *makeModelPages();
  QLayout *makeDishForm();
  void addResultRows();
  void chooseModel(int model);
  void orderTabs();
  void showSmallSizeUnit();
  void openPatternDialog();
  void usePatternFile(const QString &path, const FeedPattern &pattern);
  void refusePatternFile(const QString &path, const QString &why);
  void showPatternModel();
  void sendGain();
  void computeFigures();
  // The chosen feed's pattern, nothing while a field it needs is blank.
  std::optional<FeedPattern> typedPattern();
  void showBest(const BestFd &best);
  void showRemarks();
  void showFeedOnDish(const FeedOnDish &onDish);
  // The offset dish's figures over its true aperture, and the feed's shares there.
  FeedShares showOffsetFigures();
  void showOffsetRows(bool shown);
  void forgetMeasuredDish();
  void computeBudget(const FeedShares &feed);
  void showPhase(const FeedPhaseFigures &phase);
  void showRuleOfThumbGain();

  QComboBox *model_;
  QStackedWidget *modelPages_;
  QLineEdit *exponent_;
  QLineEdit *beamwidth_;
  QLineEdit *canDiameter_;
  QComboBox *canUnit_;
  QComboBox *canModel_;
  QPushButton *openPattern_;
  QLabel *patternName_;
  QLabel *dishLine_;
  QLineEdit *fd_;
  QLineEdit *diameter_;
  QComboBox *dishUnit_;
  QLineEdit *frequency_;
  QLineEdit *blockage_;
  QLabel *blockageUnit_;
  QLineEdit *surfaceError_;
  QLabel *surfaceErrorUnit_;
  PatternPlot *patternPlot_;
  EfficiencyPlot *efficiencyPlot_;
  QTableWidget *feedTable_;
  BudgetTable *budgetTable_;
  BudgetChart *budgetChart_;
  std::unique_ptr<BudgetFields> budgetFields_;
  QLabel *warnings_;
  QLabel *notes_;

  PatternFileLoader *patternLoader_;
  // The pattern file read last and its name; why the file chosen after it could
  // not be read.
  std::optional<FeedPattern> filePattern_;
  QString filePatternName_;
  QString filePatternPath_; // as chosen, for a design file
  QString fileError_;
  // What compute() worked out, for the plots and the gain signal.
  std::optional<FeedEfficiencies> feed_;
  std::vector<FeedOnDish> curve_;
  std::optional<BestFd> best_;
  std::optional<FeedOnDish> onDish_;
  std::vector<FeedRemark> remarks_;
  std::optional<double> gain_;
  std::vector<BudgetStep> steps_; // the loss budget, when the dish's size is typed
  double budgetTotal_ = 0;        // its total efficiency, 0 to 1
  // The measured offset dish shown, in `offsetUnit_`, until the dish is changed.
  std::optional<OffsetDish> offset_;
  LengthUnit offsetUnit_ = LengthUnit::Cm;
  PhaseLengthUnit phaseUnit_;      // the unit the phase centre is said in
  std::optional<double> sentGain_; // the last gain signalled, while there is one
};

} // namespace dishwright
