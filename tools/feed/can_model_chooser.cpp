#include "tools/feed/can_model_chooser.h"

#include "calc/common/figure_text.h"

#include <QComboBox>
#include <QCoreApplication>

#include <cmath>

namespace dishwright {
namespace {

// The chooser's words, under a context of their own for the translations.
class CanModelChooser {
  Q_DECLARE_TR_FUNCTIONS(CanModelChooser)
};

QString length(double wavelengths, const PhaseLengthUnit &unit) {
  return QString::fromStdString(
             figureText(std::abs(wavelengths) / unit.wavelengthsPerUnit, kMeasuredDigits)) +
         QLatin1Char(' ') + unit.unit;
}

} // namespace

QComboBox *makeCanModelChooser(QWidget *parent) {
  auto *chooser = new QComboBox(parent);
  chooser->addItem(CanModelChooser::tr("real can, simulated full-wave"),
                   static_cast<int>(CanModel::Simulated));
  chooser->addItem(CanModelChooser::tr("open waveguide, aperture formula"),
                   static_cast<int>(CanModel::OpenWaveguide));
  chooser->setAccessibleName(CanModelChooser::tr("can model"));
  chooser->setAccessibleDescription(CanModelChooser::tr(
      "real thin-walled cans with a closed back, 0.6 to 1.3 wavelengths across, from full-wave "
      "simulations; or the textbook formula of the field in the open end alone"));
  return chooser;
}

CanModel chosenCanModel(const QComboBox *chooser) {
  return static_cast<CanModel>(chooser->currentData().toInt());
}

QString phaseCentreValue(const PhaseCentre &centre, const PhaseLengthUnit &unit) {
  return length(centre.meanWavelengths, unit);
}

QString phaseCentreMeaning(const PhaseCentre &centre, const PhaseLengthUnit &unit) {
  // E and H counted the way the mean is said, in front of the mouth or behind it.
  const double way = centre.meanWavelengths < 0 ? -1.0 : 1.0;
  const auto plane = [&](double wavelengths) {
    return QString::fromStdString(
        figureText(way * wavelengths / unit.wavelengthsPerUnit, kMeasuredDigits));
  };
  return (way < 0 ? CanModelChooser::tr(
                        "in front of the mouth (E %1, H %2): put the mouth %3 behind the focus")
                  : CanModelChooser::tr(
                        "behind the mouth (E %1, H %2): put the mouth %3 in front of the focus"))
      .arg(plane(centre.eWavelengths), plane(centre.hWavelengths),
           length(centre.meanWavelengths, unit));
}

} // namespace dishwright
