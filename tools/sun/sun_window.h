// "Check with the sun": the built dish measured against the one source every
// builder can see. The Predict page says what sun noise the dish should give,
// the Measured page what a measured one says about it, and beside them the
// day's flux is worked out for the builder's frequency.
#pragma once

#include "tools/kit/design_seed.h"

#include <QString>
#include <QWidget>

class QTabWidget;

namespace dishwright {

class SunFluxPage;
class SunMeasurePage;
class SunPredictPage;

class SunWindow : public QWidget {
  Q_OBJECT
public:
  // Starts at the design's frequency, with the gain the calculation screens'
  // rule of thumb gives for its diameter, and its diameter for the measurement.
  explicit SunWindow(const DesignSeed &seed, QWidget *parent = nullptr);

  QTabWidget *tabs() const { return tabs_; }
  SunPredictPage *predictPage() const { return predict_; }
  SunMeasurePage *measurePage() const { return measure_; }
  SunFluxPage *fluxPage() const { return flux_; }

public slots:
  // A gain worked out elsewhere, dBi, for the prediction; `source` says where
  // from, in words that follow "from" ("the feed and efficiency window").
  void setPredictedGain(double gainDbi, const QString &source);

private:
  QTabWidget *tabs_;
  SunPredictPage *predict_;
  SunMeasurePage *measure_;
  SunFluxPage *flux_;
};

} // namespace dishwright
