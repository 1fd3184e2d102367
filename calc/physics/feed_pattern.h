// What a feed sends toward the dish: its field amplitude at each angle off its
// axis, in the E plane and the H plane, sampled once on a fine grid so that the
// dish's efficiencies can be worked out for many f/D values in a keystroke.
#pragma once

#include "calc/common/length_unit.h"

#include <cstddef>
#include <vector>

namespace dishwright {

// Equal steps between 0 and the pattern's extent, count.
inline constexpr std::size_t kPatternSteps = 4096;
// The weakest level a pattern is drawn at, dB below its strongest sample: a
// zero amplitude is drawn here instead of at minus infinity.
inline constexpr double kPatternFloorDb = -200;

// Where a pattern's samples come from, for what is said beside its figures.
struct PatternSource {
  // From a list that stops at the extent: what the feed sends past it is not
  // known, where a model's feed sends nothing there.
  bool listed = false;
  // The list's levels rose away from the axis, all 0 dB or more, and were read as
  // dB down (10 as -10 dB).
  bool readAsDbDown = false;
};

// A feed's pattern: field amplitudes (linear, signed, the strongest of either
// plane 1) at kPatternSteps + 1 angles from 0 to the extent; zero beyond it.
class FeedPattern {
public:
  // From amplitudes sampled at equal steps from 0 to `extentRad` (radians), the
  // same count in both planes, any common scale.
  FeedPattern(double extentRad, std::vector<double> eAmplitude, std::vector<double> hAmplitude,
              PatternSource source = {});

  const PatternSource &source() const { return source_; }

  std::size_t sampleCount() const { return e_.size(); }
  // Angle of sample `i` off the feed's axis, degrees.
  double angleDeg(std::size_t i) const;
  // Field amplitude of sample `i`, linear (1 is the strongest).
  double eAmplitude(std::size_t i) const { return e_[i]; }
  double hAmplitude(std::size_t i) const { return h_[i]; }
  // Level of sample `i`, dB relative to the strongest, never below kPatternFloorDb.
  double eDb(std::size_t i) const;
  double hDb(std::size_t i) const;

  // Last sampled angle, radians and degrees; the feed sends nothing beyond it.
  double extentRad() const { return extentRad_; }
  double extentDeg() const;
  // Angle between samples, radians.
  double stepRad() const { return stepRad_; }
  // Field amplitudes at `angleRad` (radians), linear between samples, zero past the extent.
  double eAmplitudeAt(double angleRad) const { return at(e_, angleRad); }
  double hAmplitudeAt(double angleRad) const { return at(h_, angleRad); }

  // The field's phase at each sample, E and H plane, radians relative to the
  // axis, rising as k d (1 - cos t) for a phase centre d behind the pattern's
  // reference point (exp(+j omega t) phasors). Throws std::invalid_argument
  // unless both have sampleCount() values.
  void setPhases(std::vector<double> ePhaseRad, std::vector<double> hPhaseRad);
  // False for a pattern of levels alone: it is then taken to come from one
  // point, its reference, and every phase is 0.
  bool hasPhases() const { return !ePhase_.empty(); }
  double ePhaseRad(std::size_t i) const { return hasPhases() ? ePhase_[i] : 0.0; }
  double hPhaseRad(std::size_t i) const { return hasPhases() ? hPhase_[i] : 0.0; }
  // The phases at `angleRad` (radians), linear between samples.
  double ePhaseRadAt(double angleRad) const { return hasPhases() ? at(ePhase_, angleRad) : 0.0; }
  double hPhaseRadAt(double angleRad) const { return hasPhases() ? at(hPhase_, angleRad) : 0.0; }

private:
  double at(const std::vector<double> &samples, double angleRad) const;

  double extentRad_;
  double stepRad_;
  PatternSource source_;
  std::vector<double> e_;
  std::vector<double> h_;
  std::vector<double> ePhase_;
  std::vector<double> hPhase_;
};

// A cos^n feed: power cos^n t, both planes alike, nothing past 90 degrees. The
// extent stops where the power is down 200 dB, so a narrow beam is still sampled
// finely. Throws InputError unless `n` is greater than 0.
FeedPattern cosNPattern(double n);

// The n of the cos^n feed whose -10 dB points are `beamwidthDeg` apart (the full
// angle, degrees): n = -1 / log10(cos(W/2)). Throws InputError unless the
// beamwidth lies between 0 and 180 degrees.
double cosNForBeamwidth(double beamwidthDeg);

// An open-ended round guide (a can) of inside diameter `diameter` (in `unit`) at
// `frequencyMHz`, radiating the TE11 mode through its aperture with the Huygens
// factors, 0 to 180 degrees. Throws InputError unless both are greater than 0 and
// the can is wide enough to carry TE11 at that frequency.
FeedPattern canPattern(double diameter, LengthUnit unit, double frequencyMHz);

// One level of a listed pattern: angle off the axis (degrees), E- and H-plane
// levels (dB, any common reference).
struct PatternLevel {
  double angleDeg = 0;
  double eDb = 0;
  double hDb = 0;
};

// The phases at one level of a listed pattern, E and H plane, degrees (any
// common reference, with the sign of FeedPattern::setPhases).
struct PatternPhase {
  double eDeg = 0;
  double hDeg = 0;
};

// The pattern through `levels`, linear in dB between them and nothing past the
// last, marked as listed. Levels that rise away from the axis, all 0 dB or more
// with the axis at 0 dB, are the way builders write "dB down": they are read so,
// and the pattern says it. The angles start at 0 and strictly rise to at most 180
// degrees, two levels at least, as PatternReader checks them. `phases`, when
// given, has one entry a level: they are unwrapped (each taken within half a turn
// of the one before), referred to the axis and joined linearly.
FeedPattern listedPattern(std::vector<PatternLevel> levels, std::vector<PatternPhase> phases = {});

} // namespace dishwright
