#include "calc/screen_rules/dish_figures.h"

#include "calc/common/units.h"
#include "calc/screen_rules/arith.h"
#include "calc/screen_rules/failure_words.h"
#include "calc/screen_rules/number_text.h"
#include "calc/screen_rules/profile.h"

namespace dishwright {
namespace {

// Free-space wavelength numerators (units.h): numerator / MHz is the wavelength.
// 11810 is the speed of light in inches x MHz as radio amateurs round it; 300000
// in mm x MHz. Both are exact in a single, so their width does not matter.
// The largest mesh opening a dish may have: a tenth of the wavelength.
constexpr double kMeshPerWavelength = 10;
// Gain of the dish, dB, over 20 log10(D) + 20 log10(GHz): D in feet, or in metres.
// Both are doubles: rounded to a single first, many gains would differ in their
// last bit.
constexpr double kGainFeetGHzDb = 7.5;
constexpr double kGainMetresGHzDb = 17.82;
// Half-power beamwidth numerators, degrees x GHz x diameter: 70 with D in feet,
// 21.3 (a double, for the same reason as the gains) with D in metres.
constexpr double kBeamwidthDegGHzFeet = 70;
constexpr double kBeamwidthDegGHzMetres = 21.3;
constexpr double kLogBase = 10;
constexpr double kDecibelsPerDecade = 20; // a field quantity: 20 log10

// What differs between the imperial and the metric figures.
struct FigureUnits {
  double wavelengthNumerator; // wavelength = numerator / MHz: inches or mm
  double gainConstant;        // dB added to the two decibel terms
  double beamNumerator;       // degrees x GHz x diameter unit
  const char *meshUnit;
  const char *diameterUnit;
};

constexpr FigureUnits kImperial{kWavelengthInchesMHz, kGainFeetGHzDb, kBeamwidthDegGHzFeet,
                                "INCHES", "FEET"};
constexpr FigureUnits kMetric{kWavelengthMmMHz, kGainMetresGHzDb, kBeamwidthDegGHzMetres, "MM",
                              "METERS"};

void computeFigures(const FigureUnits &units, DesignValues &v, FieldSink &sink) {
  Arith a;
  const bool metric = &units == &kMetric;
  sink.setText(Field::Frequency, singleToText(v.freq));
  sink.setText(Field::Diameter, singleToText(v.dia));
  sink.setText(Field::MeshUnit, units.meshUnit);
  sink.setText(Field::DiameterUnit, units.diameterUnit);

  workingOut(
      "the mesh size", [&] { return frequencyWords(v.freq); },
      [&] {
        v.mesh = a.store(a.div(a.div(units.wavelengthNumerator, v.freq), kMeshPerWavelength));
        a.test();
      });
  sink.setText(Field::MeshSize, singleToText(v.mesh));

  workingOut(
      "the gain", [&] { return diameterWords(v.dia, metric) + " and " + frequencyWords(v.freq); },
      [&] {
        // ln(x) / ln(10), not log10: the quotient of the two logarithms is what the
        // stored decibels were worked out from, and log10 may differ in the last bit.
        v.dbdia = a.store(a.mul(a.div(a.ln(v.dia), a.ln(kLogBase)), kDecibelsPerDecade));
        a.test();
        double ghz = a.div(v.freq, kMHzPerGHz);
        a.test();
        v.dbfreq = a.store(a.mul(a.div(a.ln(ghz), a.ln(kLogBase)), kDecibelsPerDecade));
        a.test();
        v.dbsum = a.store(a.add(v.dbfreq, v.dbdia));
        a.test();
        v.gain = a.store(a.add(v.dbsum, units.gainConstant));
        a.test();
      });
  sink.setText(Field::Gain, singleToText(v.gain));

  workingOut(
      "the beamwidth",
      [&] { return frequencyWords(v.freq) + " and " + diameterWords(v.dia, metric); },
      [&] {
        // GHz is worked out afresh here, as a double, and never stored.
        v.beam = a.store(a.div(units.beamNumerator, a.mul(a.div(v.freq, kMHzPerGHz), v.dia)));
        a.test();
      });
  sink.setText(Field::Beamwidth, singleToText(v.beam));
}

} // namespace

void loadDishFigures(DesignValues &values, bool metric, FieldSink &sink) {
  computeFigures(metric ? kMetric : kImperial, values, sink);
}

void loadImperialScreen(DesignValues &values, FieldSink &sink) {
  computeFigures(kImperial, values, sink);
  listImperialProfile(values, sink);
}

void loadMetricScreen(DesignValues &values, FieldSink &sink) {
  computeFigures(kMetric, values, sink);
  listMetricProfile(values, sink);
}

} // namespace dishwright
