// The "Measured" part of "Check with the sun": what the rise of the noise from
// cold sky to the sun says about the built dish, its G/T, gain and aperture
// efficiency, and a plain verdict on that efficiency.
#pragma once

#include "tools/kit/design_seed.h"
#include "tools/kit/tool_page.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace dishwright {

class SunMeasurePage : public ToolPage {
  Q_OBJECT
public:
  // Starts at the design's frequency and diameter, in its feet or metres.
  explicit SunMeasurePage(const DesignSeed &seed, QWidget *parent = nullptr);

  void setFlux(const QString &text);
  void setFrequency(const QString &text);

  QLineEdit *yFactorField() const { return yFactor_; }
  QLineEdit *frequencyField() const { return frequency_; }
  QLineEdit *fluxField() const { return flux_; }
  QLineEdit *beamwidthField() const { return beamwidth_; }
  QLineEdit *diameterField() const { return diameter_; }
  QComboBox *unitChooser() const { return unit_; }
  QLineEdit *systemField() const { return system_; }
  // The aperture efficiency against what amateur dishes reach, or what is
  // missing to judge it.
  QLabel *verdict() const { return verdict_; }

protected:
  void compute() override;
  void forget() override;

private:
  QLineEdit *yFactor_;
  QLineEdit *frequency_;
  QLineEdit *flux_;
  QLineEdit *beamwidth_;
  QLineEdit *diameter_;
  QComboBox *unit_;
  QLineEdit *system_;
  QLabel *verdict_;
};

} // namespace dishwright
