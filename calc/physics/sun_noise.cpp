#include "calc/physics/sun_noise.h"

#include "calc/common/input_checks.h"
#include "calc/common/input_error.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace dishwright {
namespace {

// One input's share in a product of factors, and whether the factor grows with
// the input: when the product leaves a double's range, the input with the most
// extreme factor is the one to name, and the direction says how it is wrong.
struct Share {
  double factor;
  const char *input;
  bool growsWithInput;
};
using Shares = std::vector<Share>;

[[noreturn]] void refuse(const Share &share, bool factorTooLarge) {
  const bool inputTooLarge = factorTooLarge == share.growsWithInput;
  throw InputError(std::string("the ") + share.input + " is too " +
                   (inputTooLarge ? "large" : "small") + " to compute with");
}

// `constant` times every share's factor. A factor or a product that overflows to
// infinity or sinks below the normal doubles (where 0 stands for a figure no dish
// gives) is refused in words naming the input that drove it there.
double productOf(double constant, const Shares &shares) {
  double product = constant;
  for (const Share &share : shares) {
    if (!std::isnormal(share.factor))
      refuse(share, std::isinf(share.factor));
    product *= share.factor;
  }
  if (std::isnormal(product))
    return product;
  const bool overflow = std::isinf(product);
  const auto culprit =
      std::max_element(shares.begin(), shares.end(), [overflow](const Share &a, const Share &b) {
        return overflow ? a.factor < b.factor : a.factor > b.factor;
      });
  refuse(*culprit, overflow);
}

Shares raised(const Shares &shares, double power) {
  Shares result;
  for (const Share &share : shares)
    result.push_back(
        {std::pow(share.factor, power), share.input, (power > 0) == share.growsWithInput});
  return result;
}

Shares joined(Shares shares, const Shares &more) {
  shares.insert(shares.end(), more.begin(), more.end());
  return shares;
}

double wavelengthMetres(double frequencyMHz) { return kSpeedOfLightMetresMHz / frequencyMHz; }

double decibels(double ratio) { return 10.0 * std::log10(ratio); }

// The correction for a uniform disc in a Gaussian beam, from x^2 = ln 2 (sun
// diameter / half-power beamwidth)^2. The beam's power pattern is
// exp(-4 ln 2 t^2 / B^2) at t off its axis (B the half-power beamwidth); its
// solid angle is pi B^2 / (4 ln 2). A disc of brightness T and diameter S
// raises the antenna temperature by T times the pattern integrated over the
// disc over the beam's solid angle, T (1 - exp(-x^2)); a point source of the
// same flux, T pi S^2 / 4 over that solid angle, T x^2. K is their ratio,
// x^2 / (1 - exp(-x^2)), 1 + x^2 / 2 for a wide beam and x^2 for one far
// narrower than the sun (J. W. M. Baars, "The measurement of large antennas
// with cosmic radio sources", IEEE Trans. Antennas Propag. AP-21, 1973, the
// correction for a disc-shaped source). expm1 keeps the wide beam's digits.
double discInBeamCorrection(double xSquared) { return xSquared / -std::expm1(-xSquared); }

// The beamwidth, degrees, as `constantDeg` times the shares' factors, and the
// beam correction it gives.
struct Beam {
  double beamwidthDeg = 0;
  double correction = 1;
  BeamwidthSource source = BeamwidthSource::None;
  Shares correctionShare; // the correction as one share, for the products it enters
};

Beam beamFrom(double constantDeg, const Shares &shares, BeamwidthSource source) {
  Beam beam;
  beam.source = source;
  beam.beamwidthDeg = productOf(constantDeg, shares);
  // (sun / beamwidth)^2 from the inputs themselves, so that a beam far narrower
  // than the sun is named by the input that made it so.
  const double sunOverBeam = kSunDiameterDeg / constantDeg;
  const Shares squared = raised(shares, -2);
  beam.correction =
      discInBeamCorrection(productOf(kGaussianBeamLn2 * sunOverBeam * sunOverBeam, squared));
  const Share &driver =
      *std::max_element(squared.begin(), squared.end(),
                        [](const Share &a, const Share &b) { return a.factor < b.factor; });
  beam.correctionShare = {{beam.correction, driver.input, driver.growsWithInput}};
  return beam;
}

Beam givenBeam(double beamwidthDeg) {
  return beamFrom(1, {{beamwidthDeg, "beamwidth", true}}, BeamwidthSource::Given);
}

// A dish of aperture efficiency e and gain G is De = (lambda / pi) sqrt(G / e)
// across, so 70 lambda / De = 70 pi sqrt(e / G): the wavelength drops out.
Beam beamFromGain(double gainRatio) {
  const double constantDeg = kBeamwidthDegWavelengths * kPi * std::sqrt(kAssumedApertureEfficiency);
  return beamFrom(constantDeg, {{1 / std::sqrt(gainRatio), "gain in dBi", false}},
                  BeamwidthSource::FromGain);
}

Beam beamFromDish(double frequencyMHz, double diameterMetres) {
  return beamFrom(kBeamwidthDegWavelengths,
                  {{wavelengthMetres(frequencyMHz), "frequency", false},
                   {1 / diameterMetres, "dish diameter", false}},
                  BeamwidthSource::FromDish);
}

double diameterMetres(const DishSize &dish) {
  requirePositive(dish.diameter, "dish diameter");
  return dish.diameter * metresPerUnit(dish.unit);
}

// 8 pi k / 1 SFU: the antenna temperature rise is S G lambda^2 / (8 pi k K), the
// factor 8 rather than 4 because one polarisation takes half the sun's power.
double eightPiKOverSfu() {
  constexpr double kEight = 8; // 4 pi k of a matched antenna, twice for one polarisation
  return kEight * kPi * kBoltzmannJoulesPerKelvin / kWattsPerSquareMetreHertzPerSfu;
}

// G / (pi D / lambda)^2 with G = 8 pi k K (Y - 1) Tsys / (S lambda^2) from the
// `sun` shares K, Y - 1 and 1 / S: the wavelength drops out.
double apertureEfficiency(const Shares &sun, double systemTemperatureK, double dishMetres) {
  return productOf(eightPiKOverSfu() / (kPi * kPi),
                   joined(sun, {{systemTemperatureK, "system temperature", true},
                                {1 / (dishMetres * dishMetres), "dish diameter", false}}));
}

} // namespace

SunPrediction predictSunNoise(double gainDbi, double systemTemperatureK, double frequencyMHz,
                              double fluxSfu, std::optional<double> beamwidthDeg) {
  requirePositive(gainDbi, "gain in dBi");
  requirePositive(systemTemperatureK, "system temperature");
  requirePositive(frequencyMHz, "frequency");
  requirePositive(fluxSfu, "flux");
  if (beamwidthDeg)
    requirePositive(*beamwidthDeg, "beamwidth");

  const double gainRatio = std::pow(10.0, gainDbi / 10.0);
  const Beam beam = beamwidthDeg ? givenBeam(*beamwidthDeg) : beamFromGain(gainRatio);
  const double wavelength = wavelengthMetres(frequencyMHz);
  const Shares rise = joined({{fluxSfu, "flux", true},
                              {gainRatio, "gain in dBi", true},
                              {wavelength * wavelength, "frequency", false}},
                             raised(beam.correctionShare, -1));
  SunPrediction prediction;
  prediction.sunTemperatureK = productOf(1 / eightPiKOverSfu(), rise);
  const double riseOverSystem = productOf(
      1 / eightPiKOverSfu(), joined(rise, {{1 / systemTemperatureK, "system temperature", false}}));
  // log1p keeps a rise far below the system's noise from rounding to 0 dB.
  prediction.sunNoiseDb = 10.0 * std::log1p(riseOverSystem) / std::log(10.0);
  prediction.beamCorrection = beam.correction;
  prediction.beamwidthDeg = beam.beamwidthDeg;
  prediction.source = beam.source;
  return prediction;
}

SunMeasurement measureSunNoise(double yFactorDb, double frequencyMHz, double fluxSfu,
                               std::optional<double> beamwidthDeg, std::optional<DishSize> dish,
                               std::optional<double> systemTemperatureK) {
  requirePositive(yFactorDb, "sun noise in dB");
  requirePositive(frequencyMHz, "frequency");
  requirePositive(fluxSfu, "flux");
  if (beamwidthDeg)
    requirePositive(*beamwidthDeg, "beamwidth");
  const double dishMetres = dish ? diameterMetres(*dish) : 0; // 0: no dish
  if (systemTemperatureK)
    requirePositive(*systemTemperatureK, "system temperature");

  const Beam beam = beamwidthDeg     ? givenBeam(*beamwidthDeg)
                    : dishMetres > 0 ? beamFromDish(frequencyMHz, dishMetres)
                                     : Beam{};
  // expm1 keeps a rise far below the system's noise from rounding to nothing.
  const double riseOverSystem = std::expm1(yFactorDb * std::log(10.0) / 10.0);
  const Shares sun =
      joined({{riseOverSystem, "sun noise in dB", true}, {1 / fluxSfu, "flux", false}},
             beam.correctionShare);
  const double wavelength = wavelengthMetres(frequencyMHz);

  SunMeasurement measurement;
  measurement.gOverTDbPerK = decibels(productOf(
      eightPiKOverSfu(), joined(sun, {{1 / (wavelength * wavelength), "frequency", true}})));
  if (systemTemperatureK) {
    measurement.gainDbi = measurement.gOverTDbPerK + decibels(*systemTemperatureK);
    if (dishMetres > 0) {
      measurement.apertureEfficiency = apertureEfficiency(sun, *systemTemperatureK, dishMetres);
      measurement.judgement = judgeApertureEfficiency(*measurement.apertureEfficiency);
    }
  }
  measurement.beamCorrection = beam.correction;
  if (beam.source != BeamwidthSource::None)
    measurement.beamwidthDeg = beam.beamwidthDeg;
  measurement.source = beam.source;
  return measurement;
}

} // namespace dishwright
