// Checking a built dish with the sun: how far the noise should rise when the dish
// is turned from cold sky onto the sun, and what a measured rise says about the
// dish's G/T, gain and aperture efficiency. The sun's radio flux comes from the
// daily observatory reports, in solar flux units (sun_noise_flux.h); what an
// efficiency says, in sun_noise_verdict.h.
#pragma once

#include "calc/common/length_unit.h"
#include "calc/common/units.h"
#include "calc/physics/sun_noise_verdict.h"

#include <optional>

namespace dishwright {

// The sun's disc as a dish sees it at radio wavelengths, degrees across.
inline constexpr double kSunDiameterDeg = 0.5;
// A beam not much wider than the sun takes in less than all of it. For a uniform
// disc of the sun's diameter in a Gaussian beam the correction is
// K = x^2 / (1 - exp(-x^2)) with x^2 = ln 2 (sun diameter / half-power beamwidth)^2
// (sun_noise.cpp derives it); this is that ln 2, dimensionless.
inline constexpr double kGaussianBeamLn2 = 0.69314718055994530942;
// Half-power beamwidth of a dish, degrees, times its diameter in wavelengths:
// 70 lambda / D.
inline constexpr double kBeamwidthDegWavelengths = 70;
// The aperture efficiency of the dish assumed when the beamwidth is worked out
// from the gain alone, ratio.
inline constexpr double kAssumedApertureEfficiency = 0.55;

// Where the beamwidth behind the beam correction came from.
enum class BeamwidthSource {
  Given,    // typed in by the user
  FromGain, // that of a dish of kAssumedApertureEfficiency with the gain
  FromDish, // 70 lambda / D from the dish's diameter
  None,     // nothing to work it out from: no correction made (factor 1)
};

struct SunPrediction {
  double sunTemperatureK = 0; // rise of the antenna temperature on the sun, one polarisation, K
  double beamCorrection = 1;  // factor the sun's size divides that rise by, >= 1, ratio
  double sunNoiseDb = 0;      // rise of the receiver's noise from cold sky to the sun, dB
  double beamwidthDeg = 0;    // half-power beamwidth the correction used, degrees
  BeamwidthSource source = BeamwidthSource::FromGain; // Given or FromGain
};

// The sun noise a dish of `gainDbi` (dBi) should show at `frequencyMHz` (MHz) on a
// system of `systemTemperatureK` (K) when the sun's flux there is `fluxSfu` (SFU),
// with the half-power beamwidth `beamwidthDeg` (degrees) if known, else that of a
// 55 % dish of the gain. Throws InputError, naming the input, unless every input
// is greater than 0, or when a result is out of a double's range.
SunPrediction predictSunNoise(double gainDbi, double systemTemperatureK, double frequencyMHz,
                              double fluxSfu, std::optional<double> beamwidthDeg);

// A dish's diameter, in feet or in metres.
struct DishSize {
  double diameter = 0;
  DishSizeUnit unit = DishSizeUnit::Metres;
};

struct SunMeasurement {
  double beamCorrection = 1;     // factor the sun's size divided the rise by, >= 1, ratio
  double gOverTDbPerK = 0;       // the dish and receiver's G/T, dB/K
  std::optional<double> gainDbi; // with a system temperature: the gain, dBi
  std::optional<double> apertureEfficiency;       // with both a system temperature and a
                                                  // dish: gain / (pi D / lambda)^2, ratio
  std::optional<EfficiencyJudgement> judgement;   // with the efficiency: what it says
  std::optional<double> beamwidthDeg;             // beamwidth the correction used, degrees
  BeamwidthSource source = BeamwidthSource::None; // Given, FromDish or None
};

// What a measured sun noise `yFactorDb` (dB) at `frequencyMHz` (MHz) with the
// sun's flux `fluxSfu` (SFU) says about the dish. The beam correction takes
// `beamwidthDeg` (degrees) if given, else 70 lambda / D of the `dish`, else none.
// The gain needs `systemTemperatureK` (K); the efficiency needs it and the dish.
// Throws InputError, naming the input, unless every input given is greater than
// 0, or when a result is out of a double's range.
SunMeasurement measureSunNoise(double yFactorDb, double frequencyMHz, double fluxSfu,
                               std::optional<double> beamwidthDeg, std::optional<DishSize> dish,
                               std::optional<double> systemTemperatureK);

} // namespace dishwright
