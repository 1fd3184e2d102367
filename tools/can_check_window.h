// "Check a can": the textbook waveguide view of the can the builder actually has,
// its cutoffs, where the probe goes, and warnings in words.
#pragma once

#include "tools/design_seed.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;

namespace dishwright {

class CanDrawing;
class ResultGrid;

class CanCheckWindow : public QWidget {
  Q_OBJECT
public:
  // Starts in inches, or in cm for a metric design, at the design's frequency.
  explicit CanCheckWindow(const DesignSeed &seed, QWidget *parent = nullptr);

  QLineEdit *diameterField() const { return diameter_; }
  QComboBox *unitChooser() const { return unit_; }
  QLineEdit *frequencyField() const { return frequency_; }
  ResultGrid *results() const { return results_; }
  QLabel *message() const { return message_; }
  QLabel *warnings() const { return warnings_; }
  CanDrawing *drawing() const { return drawing_; }

private:
  void update();

  QLineEdit *diameter_;
  QComboBox *unit_;
  QLineEdit *frequency_;
  QLabel *message_;
  ResultGrid *results_;
  QLabel *warnings_;
  CanDrawing *drawing_;
};

} // namespace dishwright
