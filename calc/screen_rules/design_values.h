// The shared design values: the three inputs and the working values of the loads.
#pragma once

namespace dishwright {

// One record for the whole run, all fields 0 at start and never reset. Every field
// is an IEEE single. The record holds no unit flag: `dia` is feet or metres
// according to which calculation screen is loaded.
struct DesignValues {
  float fd = 0;     // focal length / diameter, ratio
  float dia = 0;    // dish diameter, feet or metres
  float freq = 0;   // operating frequency, MHz
  float mesh = 0;   // largest mesh size, inches (imperial) or mm (metric)
  float dbdia = 0;  // 20 log10 of the diameter, dB
  float dbfreq = 0; // 20 log10 of the frequency in GHz, dB
  float dbsum = 0;  // dbfreq + dbdia, dB
  float gain = 0;   // expected gain, dB
  float focin = 0;  // focal length, inches
  float depin = 0;  // depth at the current radius, inches, rounded to 0.001
  float xin = 0;    // radius counter of the imperial print listing, inches
  float beam = 0;   // half-power beamwidth, degrees
  float xcm = 0;    // radius counter of the metric print listing, cm
  float foccm = 0;  // focal length, cm
  float depcm = 0;  // depth at the current radius, cm, rounded to 0.001
};

} // namespace dishwright
