// The flux part of "Check with the sun": the observatories report the sun's flux
// at a few frequencies only; this gives it at the builder's frequency from the
// two reported either side, and hands it to the predicted and measured pages.
#pragma once

#include "tools/tool_page.h"

#include <optional>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace dishwright {

class SunFluxPage : public ToolPage {
  Q_OBJECT
public:
  // Starts at `frequencyMHz` (none when 0) with the observatory frequencies
  // either side of it chosen.
  explicit SunFluxPage(double frequencyMHz, QWidget *parent = nullptr);

  // The flux at the frequency typed, SFU, when the figures typed give one.
  std::optional<double> flux() const { return flux_; }

  QLineEdit *frequencyField() const { return frequency_; }
  // Editable: the observatory frequencies are offered, any other may be typed.
  QComboBox *firstFrequency() const { return f1_; }
  QLineEdit *firstFluxField() const { return s1_; }
  QComboBox *secondFrequency() const { return f2_; }
  QLineEdit *secondFluxField() const { return s2_; }
  QPushButton *useButton() const { return use_; }

signals:
  // The user took the flux shown ("Use this flux"), SFU.
  void fluxChosen(double fluxSfu);

protected:
  void compute() override;
  void forget() override;
  void draw() override;

private:
  QLineEdit *frequency_;
  QComboBox *f1_;
  QLineEdit *s1_;
  QComboBox *f2_;
  QLineEdit *s2_;
  QPushButton *use_;
  std::optional<double> flux_;
};

} // namespace dishwright
