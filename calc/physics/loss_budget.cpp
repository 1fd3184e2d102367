#include "calc/physics/loss_budget.h"

#include "calc/common/figure_text.h"
#include "calc/common/input_checks.h"
#include "calc/common/input_error.h"
#include "calc/common/units.h"

#include <cmath>

namespace dishwright {
namespace {

// A mesh pitch above this share of a wavelength is past the thin-grid formula,
// whose first correction, 0.601 (s / lambda)^2 inside the bracket, is then no
// longer small against the logarithm, ratio.
constexpr double kMeshLongestPitchWavelengths = 0.25;
// Wires thicker than this share of the pitch are past the thin-wire formula,
// which then counts too little reflection, ratio.
constexpr double kMeshThickestWirePerPitch = 0.2;

double reflectionLeft(double reflection) { return 1.0 - reflection * reflection; }

} // namespace

double mismatchFromVswr(double vswr) {
  if (!(vswr >= 1) || !std::isfinite(vswr))
    throw InputError("the VSWR must be a finite number of 1 or more");
  return reflectionLeft((vswr - 1.0) / (vswr + 1.0));
}

double mismatchFromReturnLoss(double returnLossDb) {
  requirePositive(returnLossDb, "return loss");
  return reflectionLeft(std::pow(10.0, -returnLossDb / 20.0));
}

// N. Marcuvitz, Waveguide Handbook (MIT Radiation Laboratory Series 10, 1951),
// the inductive grid of round wires: X / Z0 = (s / lambda) ln(s / (2 pi r)) for
// thin wires of radius r, s apart, E along them; the crossing wires of a square
// mesh add little at normal incidence. A shunt reactance X across the line
// passes |T|^2 = 4 X^2 / (1 + 4 X^2), the form W. W. Mumford gives for wire
// mesh ("Some technical aspects of microwave radiation hazards", Proc. IRE 49,
// 1961); the rest is reflected.
double meshEfficiency(double pitchMm, double wireMm, double frequencyMHz,
                      std::vector<std::string> &warnings) {
  requirePositive(pitchMm, "mesh size");
  requirePositive(wireMm, "mesh wire diameter");
  requirePositive(frequencyMHz, "frequency");
  if (!(wireMm < pitchMm))
    throw InputError("the mesh's wire must be thinner than the mesh size (centre to centre)");
  const double wavelengthMm = kSpeedOfLightMmMHz / frequencyMHz;
  if (pitchMm > kMeshLongestPitchWavelengths * wavelengthMm)
    warnings.push_back("the mesh is " + plainFigureText(pitchMm / wavelengthMm, 3) +
                       " wavelength across, past the mesh formula's range (a quarter "
                       "wavelength): its leakage is rougher than shown, and a mesh a tenth of a "
                       "wavelength across or finer is the one to build");
  const double logarithm = std::log(pitchMm / (kPi * wireMm));
  if (wireMm > kMeshThickestWirePerPitch * pitchMm)
    warnings.push_back("the mesh's wires are thick for their spacing, past the thin-wire mesh "
                       "formula: it leaks less than shown");
  if (!(logarithm > 0))
    return 1.0; // wires this thick are all but a solid sheet
  const double reactance = pitchMm / wavelengthMm * logarithm;
  return 1.0 / (1.0 + 4.0 * reactance * reactance);
}

LossBudget lossBudget(const DishLosses &dish, double apertureEfficiency,
                      const BlockedField &blocked) {
  requirePositive(dish.frequencyMHz, "frequency");
  requirePositive(dish.apertureDiameterMm, "diameter");
  requirePositive(apertureEfficiency, "aperture efficiency");
  if (apertureEfficiency > 1)
    throw InputError("the aperture efficiency must not exceed 1");
  requireNotNegative(dish.blockageDiameterMm, "blockage diameter");
  requireNotNegative(dish.surfaceErrorRmsMm, "surface error");
  if (!(dish.blockageDiameterMm < dish.apertureDiameterMm))
    throw InputError("the blockage diameter must be smaller than the dish");
  LossBudget budget;
  budget.aperture = apertureEfficiency;
  const double leftByDisc = 1.0 - blocked.disc, leftByAll = leftByDisc - blocked.struts;
  if (!(leftByAll > 0))
    throw InputError("the feed and its struts leave too little of the dish");
  budget.blockage = leftByDisc * leftByDisc;
  budget.struts = (leftByAll / leftByDisc) * (leftByAll / leftByDisc);
  budget.mismatch = dish.vswr           ? mismatchFromVswr(*dish.vswr)
                    : dish.returnLossDb ? mismatchFromReturnLoss(*dish.returnLossDb)
                                        : 1.0;
  budget.mesh = dish.meshPitchMm > 0 ? meshEfficiency(dish.meshPitchMm, dish.meshWireMm,
                                                      dish.frequencyMHz, budget.warnings)
                                     : 1.0;
  const double wavelengthMm = kSpeedOfLightMmMHz / dish.frequencyMHz;
  const double phaseRad = 4.0 * kPi * dish.surfaceErrorRmsMm / wavelengthMm;
  budget.surface = std::exp(-phaseRad * phaseRad);
  budget.total = apertureEfficiency * budget.blockage * budget.struts * budget.mismatch *
                 budget.mesh * budget.surface;
  const double circumferenceWavelengths = kPi * dish.apertureDiameterMm / wavelengthMm;
  if (!std::isfinite(circumferenceWavelengths))
    throw InputError("the diameter is too many wavelengths across to compute with");
  if (!(circumferenceWavelengths > 0))
    throw InputError("the diameter is too small a part of a wavelength to compute with");
  if (!(budget.total > 0))
    throw InputError("the surface error is too large for the dish to have any gain at this "
                     "frequency");
  // In logarithms: (pi D / lambda)^2 alone overflows long before its decibels do.
  budget.gainDbi = 10.0 * std::log10(budget.total) + 20.0 * std::log10(circumferenceWavelengths);
  return budget;
}

std::vector<BudgetStep> budgetSteps(const FeedShares &feed, const LossBudget &budget) {
  const double shares[kBudgetLossCount] = {feed.spillover,  feed.illumination, feed.crossPolar,
                                           feed.phase,      budget.blockage,   budget.struts,
                                           budget.mismatch, budget.mesh,       budget.surface};
  // The whole aperture evenly lit: the gain with every loss taken back out.
  double gainDbi = budget.gainDbi - 10.0 * std::log10(budget.total);
  std::vector<BudgetStep> steps;
  for (int i = 0; i < kBudgetLossCount; ++i) {
    const double lossDb = 10.0 * std::log10(1.0 / shares[i]); // +0 for no loss
    gainDbi -= lossDb;
    steps.push_back({static_cast<BudgetLoss>(i), shares[i], lossDb, gainDbi});
  }
  return steps;
}

} // namespace dishwright
