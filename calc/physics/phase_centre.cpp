#include "calc/physics/phase_centre.h"

#include "calc/common/figure_text.h"
#include "calc/common/input_checks.h"
#include "calc/common/input_error.h"
#include "calc/common/units.h"

#include <algorithm>
#include <cmath>
#include <complex>

namespace dishwright {
namespace {

// A main beam narrower than this in (1 - cos t) cannot place a phase centre:
// the fit's slope would be noise over a constant.
constexpr double kNarrowestBeam = 1e-9;
// A rim this little past the pattern's extent still lies within it, a share of
// the extent: the rounding of the rim angle.
constexpr double kRimRounding = 1e-12;

using PhaseOf = double (FeedPattern::*)(std::size_t) const;
using AmplitudeOf = double (FeedPattern::*)(std::size_t) const;

// The d (wavelengths) of phase = c + 2 pi d (1 - cos t), weighted least squares
// over the samples from the axis down to kPhaseCentreBeamDb.
double planeCentre(const FeedPattern &pattern, AmplitudeOf amplitude, PhaseOf phase) {
  const double axis = std::abs((pattern.*amplitude)(0));
  const double floor = axis * std::pow(10.0, kPhaseCentreBeamDb / 20.0);
  double sw = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
  for (std::size_t i = 0; i < pattern.sampleCount(); ++i) {
    const double a = std::abs((pattern.*amplitude)(i));
    if (a < floor)
      break;
    const double t = static_cast<double>(i) * pattern.stepRad();
    const double w = a * a, x = 2.0 * kPi * 2.0 * std::pow(std::sin(t / 2.0), 2),
                 y = (pattern.*phase)(i);
    sw += w, sx += w * x, sy += w * y, sxx += w * x * x, sxy += w * x * y;
  }
  const double spread = sw * sxx - sx * sx;
  if (!(spread > kNarrowestBeam * sw * sw))
    throw InputError("the feed's main beam is too narrow to place its phase centre");
  return (sw * sxy - sx * sy) / spread;
}

// (E e^(j phiE) + H e^(j phiH)) tan(t/2) at `t` (radians), and its in-phase form
// (E + H) tan(t/2), for a reference point `inFront` wavelengths in front of the focus.
struct Focused {
  std::complex<double> phased;
  double inPhase = 0;
};

Focused focusedAt(const FeedPattern &p, double t, double inFront) {
  const double path = 2.0 * kPi * inFront * (1.0 - std::cos(t));
  const double e = p.eAmplitudeAt(t), h = p.hAmplitudeAt(t), weight = std::tan(t / 2.0);
  const std::complex<double> field =
      e * std::polar(1.0, p.ePhaseRadAt(t) - path) + h * std::polar(1.0, p.hPhaseRadAt(t) - path);
  return {field * weight, (e + h) * weight};
}

} // namespace

PhaseCentre phaseCentre(const FeedPattern &pattern) {
  if (!pattern.hasPhases())
    throw InputError("the feed's pattern has no phases to place its phase centre by");
  PhaseCentre out;
  out.eWavelengths = planeCentre(pattern, &FeedPattern::eAmplitude, &FeedPattern::ePhaseRad);
  out.hWavelengths = planeCentre(pattern, &FeedPattern::hAmplitude, &FeedPattern::hPhaseRad);
  out.meanWavelengths = (out.eWavelengths + out.hWavelengths) / 2.0;
  return out;
}

double phaseEfficiency(const FeedPattern &pattern, double fd, double inFrontWavelengths) {
  requirePositive(fd, "f/D");
  const double rimRad = 2.0 * std::atan(1.0 / (4.0 * fd));
  if (rimRad > pattern.extentRad() * (1.0 + kRimRounding))
    throw InputError("the feed's pattern stops short of the dish's rim");
  // Trapezoids on the pattern's samples, the last one cut at the rim.
  std::complex<double> phased = 0;
  double inPhase = 0;
  Focused previous = focusedAt(pattern, 0, inFrontWavelengths);
  for (std::size_t i = 1; i < pattern.sampleCount(); ++i) {
    const double before = static_cast<double>(i - 1) * pattern.stepRad();
    const double t = std::min(static_cast<double>(i) * pattern.stepRad(), rimRad);
    if (!(t > before))
      break;
    const Focused here = focusedAt(pattern, t, inFrontWavelengths);
    phased += (t - before) * (previous.phased + here.phased) / 2.0;
    inPhase += (t - before) * (previous.inPhase + here.inPhase) / 2.0;
    previous = here;
  }
  return std::norm(phased) / (inPhase * inPhase);
}

FeedPhaseFigures feedPhaseFigures(const FeedPattern &pattern, double fd,
                                  std::optional<double> defocusWavelengths) {
  if (defocusWavelengths && !(std::abs(*defocusWavelengths) <= kMostDefocusWavelengths))
    throw InputError("the defocus must lie within " + plainFigureText(kMostDefocusWavelengths) +
                     " wavelengths of the phase centre, not " +
                     plainFigureText(*defocusWavelengths) +
                     ": farther, the feed is not near the focus");
  FeedPhaseFigures out;
  if (pattern.hasPhases())
    out.centre = phaseCentre(pattern);
  if (out.centre || defocusWavelengths) {
    const double place =
        (out.centre ? out.centre->meanWavelengths : 0.0) + defocusWavelengths.value_or(0.0);
    out.efficiency = phaseEfficiency(pattern, fd, place);
  }
  return out;
}

} // namespace dishwright
