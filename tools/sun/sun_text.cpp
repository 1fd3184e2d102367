#include "tools/sun/sun_text.h"

#include "calc/common/figure_text.h"
#include "calc/common/units.h"

#include <QObject>

namespace dishwright {
namespace {
// A single carries a little over 7 significant digits: 7 give back the typed
// 1.2 of a design, not 1.20000005.
constexpr int kFieldDigits = 7;
} // namespace

QString fieldText(double value) {
  return QString::fromStdString(plainFigureText(value, kFieldDigits));
}

QString systemTemperatureMeaning() {
  return QObject::tr("kelvin: the noise temperature of the whole receiving system (sky, dish, "
                     "feed, line and receiver) pointed at cold sky, not the LNA's own");
}

QString beamwidthMeaning(BeamwidthSource source) {
  switch (source) {
  case BeamwidthSource::Given:
    return QObject::tr("as typed: the sun's size is measured against it");
  case BeamwidthSource::FromGain:
    return QObject::tr("that of a dish of %1 % efficiency with this gain, as none was typed")
        .arg(
            QString::fromStdString(plainFigureText(kAssumedApertureEfficiency * kPercentPerRatio)));
  case BeamwidthSource::FromDish:
    return QObject::tr("from the dish's diameter: %1 degrees x wavelength / diameter")
        .arg(QString::fromStdString(plainFigureText(kBeamwidthDegWavelengths)));
  case BeamwidthSource::None:
    break;
  }
  return QObject::tr("no beamwidth nor dish diameter typed: the sun taken as a point");
}

} // namespace dishwright
