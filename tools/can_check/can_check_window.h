// "Check a can": the textbook waveguide view of the can the builder actually has,
// its cutoffs, where the probe goes, and warnings in words.
#pragma once

#include "calc/physics/can_check.h"
#include "tools/kit/design_seed.h"
#include "tools/kit/tool_page.h"

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;

namespace dishwright {

class CanDrawing;

class CanCheckWindow : public ToolPage {
  Q_OBJECT
public:
  // Starts in inches, or in cm for a metric design, at the design's frequency.
  explicit CanCheckWindow(const DesignSeed &seed, QWidget *parent = nullptr);

  QLineEdit *diameterField() const { return diameter_; }
  QComboBox *unitChooser() const { return unit_; }
  QLineEdit *frequencyField() const { return frequency_; }
  QLabel *warnings() const { return warnings_; }
  // The coffee-can screen's figures at the frequency typed, and why they differ.
  QLabel *ruleOfThumb() const { return ruleOfThumb_; }
  CanDrawing *drawing() const { return drawing_; }

protected:
  void compute() override;
  void forget() override;
  void draw() override;

private:
  void showRuleOfThumb(double frequencyMHz, LengthUnit unit);

  QLineEdit *diameter_;
  QComboBox *unit_;
  QLineEdit *frequency_;
  QLabel *warnings_;
  QLabel *ruleOfThumb_;
  CanDrawing *drawing_;
  std::optional<CanCheck> can_;
  double diameterTyped_ = 0; // of the can checked, in the unit chosen
};

} // namespace dishwright
