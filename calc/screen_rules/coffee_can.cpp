#include "calc/screen_rules/coffee_can.h"

#include "calc/common/units.h"
#include "calc/screen_rules/arith.h"
#include "calc/screen_rules/calc_error.h"
#include "calc/screen_rules/failure_words.h"
#include "calc/screen_rules/number_text.h"

#include <utility>

namespace dishwright {
namespace {

// The can's values only take a result that passed its test: a failing step
// leaves its value as it was.
class CanStore {
public:
  explicit CanStore(Arith &a) : a_(a) {}
  void operator()(float &value, double result) {
    a_.test();
    float stored = a_.store(result);
    a_.test();
    value = stored;
  }

private:
  Arith &a_;
};

// The constants enter the arithmetic as the doubles written here, never rounded to
// a single first: the figures builders already work from were made that way.
// The speeds of light (units.h): 983.6 feet and 300 metres per microsecond, and
// 11802.85 inches x MHz.
// Inside diameter of the can, in free-space wavelengths.
constexpr double kCanDiameterWavelengths = 0.71;
// A quarter wave in feet at 1 MHz, shortened for the probe's end effect:
// 234 / MHz is the probe length in feet.
constexpr double kQuarterWaveProbeFeetMHz = 234;
// TE11 cutoff constant, MHz x inches: the term of the guide wavelength's root.
constexpr double kTe11CutoffMHzInches = 6917.26;
// The longest can, in the lengths' wavelengths; the shortest is two of them.
constexpr double kLongestCanWavelengths = 3;
// The probe stands a quarter of a guide wavelength from the closed back, where the
// wave reflected by the back adds to the one the probe sends forward.
constexpr double kProbePositionGuideWavelengths = 0.25;

// `step` names what is being worked out, for the words of a failure.
void computeCan(float freq, CoffeeCanValues &c, const char *&step) {
  Arith a;
  CanStore set(a);
  step = "the can's inside diameter";
  set(c.idin, a.mul(a.mul(a.div(kSpeedOfLightFeetPerMicrosecond, freq), kCanDiameterWavelengths),
                    kInchesPerFoot));
  set(c.idcm, a.mul(a.mul(a.div(kSpeedOfLightMetresPerMicrosecond, freq), kCanDiameterWavelengths),
                    kCmPerMetre));
  step = "the probe length";
  set(c.antin, a.mul(a.div(kQuarterWaveProbeFeetMHz, freq), kInchesPerFoot));
  set(c.antcm, a.mul(c.antin, kCmPerInch));
  // For the lengths the cutoff term 6917.26 / idin is subtracted as it stands, not
  // squared: the can lengths builders already work from were made with this form,
  // and two to three of these wavelengths is a sound range of lengths.
  step = "the wavelength in the can";
  double root = a.sqrt(a.sub(a.mul(freq, freq), a.div(kTe11CutoffMHzInches, c.idin)));
  set(c.lambda, a.div(kSpeedOfLightInchMHz, root));
  // Doubled by an addition: exact, where a product might tempt a later "x 2.0f".
  step = "the can's lengths";
  set(c.milin, a.add(c.lambda, c.lambda));
  set(c.malin, a.mul(c.lambda, kLongestCanWavelengths));
  set(c.milcm, a.mul(c.milin, kCmPerInch));
  set(c.malcm, a.mul(c.malin, kCmPerInch));
  // The probe's place needs the true guide wavelength: the cutoff frequency
  // 6917.26 / idin squared, as the dispersion of a round guide has it.
  step = "the guide wavelength and the probe position";
  const double cutoffMHz = a.div(kTe11CutoffMHzInches, c.idin);
  root = a.sqrt(a.sub(a.mul(freq, freq), a.mul(cutoffMHz, cutoffMHz)));
  set(c.lambdag, a.div(kSpeedOfLightInchMHz, root));
  set(c.spin, a.mul(c.lambdag, kProbePositionGuideWavelengths));
  set(c.spcm, a.mul(c.spin, kCmPerInch));
}

} // namespace

void loadCoffeeCan(const DesignValues &design, CoffeeCanValues &can, FieldSink &sink) {
  sink.setText(Field::Frequency, singleToText(design.freq));
  const char *step = "";
  try {
    computeCan(design.freq, can, step);
  } catch (const CalcError &e) {
    throw e.whileWorkingOut(step, frequencyWords(design.freq));
  }
  const std::pair<Field, float> fields[] = {
      {Field::CanDiameterInches, can.idin},   {Field::CanDiameterCm, can.idcm},
      {Field::ShortestCanInches, can.milin},  {Field::LongestCanInches, can.malin},
      {Field::ProbePositionInches, can.spin}, {Field::ProbePositionCm, can.spcm},
      {Field::ShortestCanCm, can.milcm},      {Field::LongestCanCm, can.malcm},
      {Field::ProbeLengthInches, can.antin},  {Field::ProbeLengthCm, can.antcm}};
  for (const auto &[field, value] : fields)
    sink.setText(field, singleToText(value));
}

} // namespace dishwright
