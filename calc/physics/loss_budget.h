// Every loss a builder can name between the feed's aperture efficiency and the
// dish's gain, each as an efficiency (0 to 1) so that the budget multiplies out:
// the feed and its struts in the beam, the feed's mismatch, the leakage through
// a mesh surface and the surface error.
#pragma once

#include "calc/physics/offset_illumination.h"

#include <optional>
#include <string>
#include <vector>

namespace dishwright {

// What the dish is built of and how its feed is matched, lengths in mm.
struct DishLosses {
  double frequencyMHz = 0;
  double apertureDiameterMm = 0;      // the circle the dish projects (an offset dish's width), mm
  double blockageDiameterMm = 0;      // the feed or its housing in the beam, mm (0: none)
  int strutCount = 0;                 // struts from the rim to the feed, count
  double strutWidthMm = 0;            // each strut's width as the wave sees it, mm
  std::optional<double> vswr;         // the feed's VSWR, ratio (1 or more); or
  std::optional<double> returnLossDb; // its return loss, dB (above 0); neither: matched
  double meshPitchMm = 0;             // centre to centre of the wires of a mesh, mm (0: solid)
  double meshWireMm = 0;              // diameter of its wires, mm
  double surfaceErrorRmsMm = 0;       // RMS error of the surface, mm (0: perfect)
};

// The budget: the aperture efficiency times every loss, and the gain.
struct LossBudget {
  double aperture = 0;               // the feed's, spillover x illumination x cross-polar, 0 to 1
  double blockage = 0;               // (1 - share of the field the feed hides)^2, 0 to 1
  double struts = 0;                 // what the struts take on top of the feed's shadow, 0 to 1
  double mismatch = 0;               // 1 - |reflection coefficient|^2 of the feed, 0 to 1
  double mesh = 0;                   // share of the power the mesh reflects, 0 to 1
  double surface = 0;                // exp(-(4 pi e / lambda)^2), Ruze, 0 to 1
  double total = 0;                  // the product of all the above, 0 to 1
  double gainDbi = 0;                // 10 log10(total (pi D / lambda)^2), dBi
  std::vector<std::string> warnings; // a model used past its range, one sentence each
};

// 1 - |G|^2 with |G| = (VSWR - 1) / (VSWR + 1): 0.96 at 1.5, 0.75 at 3. Throws
// InputError unless `vswr` is a finite number of at least 1.
double mismatchFromVswr(double vswr);
// 1 - |G|^2 with |G| = 10^(-RL / 20): 0.960 at 14 dB. Throws InputError unless
// `returnLossDb` (dB) is a finite number above 0.
double mismatchFromReturnLoss(double returnLossDb);

// The share of the power a square mesh of round wires reflects at normal
// incidence, wires `wireMm` (mm) thick `pitchMm` (mm) apart centre to centre, at
// `frequencyMHz`: 1 / (1 + 4 X^2) with X = (s / lambda) ln(s / (pi d)), the
// normalised shunt reactance of a grid of thin wires (Marcuvitz; Mumford's mesh
// transmission formula). Throws InputError unless the wire is thinner than the
// pitch; `warnings` gets a sentence when the mesh lies past the formula's range.
double meshEfficiency(double pitchMm, double wireMm, double frequencyMHz,
                      std::vector<std::string> &warnings);

// The whole budget of `dish` with a feed of `apertureEfficiency` (0 to 1) whose
// field is hidden by `blocked` (from OffsetIllumination::blocked). Throws
// InputError naming the input unless the frequency and the aperture are greater
// than 0, every size is not negative, and something of the dish is left.
LossBudget lossBudget(const DishLosses &dish, double apertureEfficiency,
                      const BlockedField &blocked);

// The steps of a budget, in the order it multiplies out.
enum class BudgetLoss {
  Spillover,
  Illumination,
  CrossPolar,
  Phase,
  Blockage,
  Struts,
  Mismatch,
  Mesh,
  Surface
};
inline constexpr int kBudgetLossCount = 9;

struct BudgetStep {
  BudgetLoss loss = BudgetLoss::Spillover;
  double efficiency = 1;   // 0 to 1
  double lossDb = 0;       // -10 log10(efficiency), dB (0 or more)
  double gainAfterDbi = 0; // the gain with this loss and those before it, dBi
};

// What the feed itself loses on the dish, each 0 to 1; their product is the
// budget's aperture efficiency.
struct FeedShares {
  double spillover = 1;
  double illumination = 1;
  double crossPolar = 1;
  double phase = 1; // its phase centre at the focus; 1 for a feed without phases
};

// The feed's shares and the budget's losses, as steps down from the gain of the
// whole aperture evenly lit, (pi D / lambda)^2.
std::vector<BudgetStep> budgetSteps(const FeedShares &feed, const LossBudget &budget);

} // namespace dishwright
