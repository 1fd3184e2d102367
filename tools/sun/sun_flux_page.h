// The flux part of "Check with the sun": the observatories report the sun's flux
// at a few frequencies only; this gives it at the builder's frequency from the
// two reported either side, and hands it to the predicted and measured pages.
#pragma once

#include "tools/kit/tool_page.h"

#include <QString>

#include <cstddef>
#include <map>
#include <optional>

class QComboBox;
class QLabel;
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
  // They follow the frequency typed until the user picks or types one.
  QComboBox *firstFrequency() const { return f1_; }
  QLineEdit *firstFluxField() const { return s1_; }
  QComboBox *secondFrequency() const { return f2_; }
  QLineEdit *secondFluxField() const { return s2_; }
  QPushButton *useButton() const { return use_; }
  // What to know about the reports: the flux extrapolated beyond the
  // observatories' range, or a report typed at the 10.7 cm flux's wavelength.
  QLabel *remarks() const { return remarks_; }

signals:
  // The user took the flux shown ("Use this flux"), SFU, at its frequency, MHz.
  void fluxChosen(double fluxSfu, double frequencyMHz);

protected:
  void compute() override;
  void forget() override;
  void draw() override;

private:
  void followFrequency();
  void choosePair(std::size_t below, std::size_t above);
  void rememberFlux(const QComboBox *chooser, const QLineEdit *field);

  QLineEdit *frequency_;
  QComboBox *f1_;
  QLineEdit *s1_;
  QComboBox *f2_;
  QLineEdit *s2_;
  QPushButton *use_;
  QLabel *remarks_;
  bool pairPicked_ = false; // by the user: it no longer follows the frequency
  // The flux typed for each report frequency (MHz), as typed, so that the pair
  // chosen for a new frequency comes with the figures typed for it before.
  std::map<double, QString> fluxByReport_;
  std::optional<double> flux_;
  std::optional<double> fluxFrequencyMHz_; // the frequency flux_ is at, MHz
};

} // namespace dishwright
