#include "dish_figures.h"

#include "arith.h"
#include "number_text.h"
#include "profile.h"

namespace dishwright {
namespace {

// What differs between the imperial and the metric figures.
struct FigureUnits {
  double wavelengthNumerator; // wavelength = numerator / MHz: inches or mm
  double gainConstant;        // dB added to the two decibel terms
  double beamNumerator;       // degrees x GHz x diameter unit
  const char *meshUnit;
  const char *diameterUnit;
};

constexpr FigureUnits kImperial{11810, 7.5, 70, "INCHES", "FEET"};
constexpr FigureUnits kMetric{300000, 17.82, 21.3, "MM", "METERS"};

void computeFigures(const FigureUnits &units, DesignValues &v, FieldSink &sink) {
  Arith a;
  sink.setText("Text33", singleToText(v.freq));
  sink.setText("Text30", singleToText(v.dia));
  sink.setText("Text37", units.meshUnit);
  sink.setText("Text31", units.diameterUnit);

  v.mesh = a.store(a.div(a.div(units.wavelengthNumerator, v.freq), 10));
  a.test();
  sink.setText("Text36", singleToText(v.mesh));

  v.dbdia = a.store(a.mul(a.div(a.ln(v.dia), a.ln(10)), 20));
  a.test();
  double ghz = a.div(v.freq, 1000);
  a.test();
  v.dbfreq = a.store(a.mul(a.div(a.ln(ghz), a.ln(10)), 20));
  a.test();
  v.dbsum = a.store(a.add(v.dbfreq, v.dbdia));
  a.test();
  v.gain = a.store(a.add(v.dbsum, units.gainConstant));
  a.test();
  sink.setText("Text39", singleToText(v.gain));

  v.beam = a.store(a.div(units.beamNumerator, a.mul(a.div(v.freq, 1000), v.dia)));
  a.test();
  sink.setText("Text53", singleToText(v.beam));
}

} // namespace

void loadImperialScreen(DesignValues &values, FieldSink &sink) {
  computeFigures(kImperial, values, sink);
  listImperialProfile(values, sink);
}

void loadMetricScreen(DesignValues &values, FieldSink &sink) {
  computeFigures(kMetric, values, sink);
  listMetricProfile(values, sink);
}

} // namespace dishwright
