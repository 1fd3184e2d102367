// The "Predict" part of "Check with the sun": the sun noise a dish of a given
// gain should show on a receiver, so that a measurement has something to meet.
#pragma once

#include "tools/kit/tool_page.h"

class QLabel;
class QLineEdit;

namespace dishwright {

class SunPredictPage : public ToolPage {
  Q_OBJECT
public:
  // Starts at `frequencyMHz` (none when 0), the gain blank until setGain.
  explicit SunPredictPage(double frequencyMHz, QWidget *parent = nullptr);

  // Puts `text` into the gain field, dBi, and says under it that it came from
  // `source` (words that follow "from": "the design's rule of thumb").
  void setGain(const QString &text, const QString &source);
  void setFlux(const QString &text);
  void setFrequency(const QString &text);

  QLineEdit *gainField() const { return gain_; }
  QLabel *gainSource() const { return gainSource_; }
  // Whether the gain shown is one the user typed rather than one handed over.
  bool gainTyped() const { return gainTyped_; }
  QLineEdit *systemField() const { return system_; }
  QLineEdit *frequencyField() const { return frequency_; }
  QLineEdit *fluxField() const { return flux_; }
  QLineEdit *beamwidthField() const { return beamwidth_; }

protected:
  void compute() override;
  void forget() override;

private:
  QLineEdit *gain_;
  QLabel *gainSource_;
  bool gainTyped_ = false;
  QLineEdit *system_;
  QLineEdit *frequency_;
  QLineEdit *flux_;
  QLineEdit *beamwidth_;
};

} // namespace dishwright
