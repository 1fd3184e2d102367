// The one home of the program's constants of nature and of measure: pi, the
// length factors between the units builders use, and the speed of light in each
// form the calculations need. Every calculation takes these from here.
#pragma once

namespace dishwright {

// pi, dimensionless.
inline constexpr double kPi = 3.14159265358979323846;
// Degrees in one radian.
inline constexpr double kDegreesPerRadian = 180.0 / kPi;

// Length factors, exact by definition.
inline constexpr double kMmPerInch = 25.4;   // millimetres in one inch
inline constexpr double kCmPerInch = 2.54;   // centimetres in one inch
inline constexpr double kInchesPerFoot = 12; // inches in one foot
inline constexpr double kMmPerMetre = 1000;  // millimetres in one metre
inline constexpr double kCmPerMetre = 100;   // centimetres in one metre
// Metres in one foot, exact.
inline constexpr double kMetresPerFoot = kInchesPerFoot * kMmPerInch / kMmPerMetre;

// The speed of light, c = 299,792,458 m/s, in the forms the calculations use. A
// wavelength is the constant over the frequency in MHz, in the unit named.
// Exact: mm x MHz.
inline constexpr double kSpeedOfLightMmMHz = 299792.458;
// Exact, metres x MHz: over a frequency in MHz, a wavelength in metres.
inline constexpr double kSpeedOfLightMetresMHz = kSpeedOfLightMmMHz / kMmPerMetre;
// Rounded, inch x MHz: the value the coffee-can rules of thumb are built on.
inline constexpr double kSpeedOfLightInchMHz = 11802.85;
// Rounded, feet per microsecond (feet x MHz): 983.6 / MHz is a wavelength in
// feet, as the coffee-can screen works it out.
inline constexpr double kSpeedOfLightFeetPerMicrosecond = 983.6;
// Rounded, metres per microsecond (metres x MHz): 300 / MHz in metres.
inline constexpr double kSpeedOfLightMetresPerMicrosecond = 300;
// Rounded, inch x MHz, as the calculation screens' mesh size takes it.
inline constexpr double kWavelengthInchesMHz = 11810;
// Rounded, mm x MHz, as the calculation screens' mesh size takes it.
inline constexpr double kWavelengthMmMHz = 300000;

// Boltzmann's constant, J/K (exact).
inline constexpr double kBoltzmannJoulesPerKelvin = 1.380649e-23;
// One solar flux unit (SFU), W/m^2/Hz.
inline constexpr double kWattsPerSquareMetreHertzPerSfu = 1e-22;

// Percent in a ratio of 1: an efficiency of 0.55 is 55 %.
inline constexpr double kPercentPerRatio = 100;
// Megahertz in one gigahertz.
inline constexpr double kMHzPerGHz = 1000;

} // namespace dishwright
