#include "coffee_can.h"

#include "arith.h"
#include "number_text.h"

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

void computeCan(float freq, CoffeeCanValues &c) {
  Arith a;
  CanStore set(a);
  set(c.idin, a.mul(a.mul(a.div(983.6, freq), 0.71), 12));
  set(c.idcm, a.mul(a.mul(a.div(300, freq), 0.71), 100));
  set(c.antin, a.mul(a.div(234, freq), 12));
  set(c.antcm, a.mul(c.antin, 2.54));
  // The cutoff term 6917.26 / idin is subtracted as it stands, not squared: the
  // feed dimensions builders already work from were made with this form.
  double root = a.sqrt(a.sub(a.mul(freq, freq), a.div(6917.26, c.idin)));
  set(c.lambda, a.div(11802.85, root));
  set(c.milin, a.add(c.lambda, c.lambda));
  set(c.malin, a.mul(c.lambda, 3));
  set(c.milcm, a.mul(c.milin, 2.54));
  set(c.malcm, a.mul(c.malin, 2.54));
  set(c.spin, a.mul(c.lambda, 0.25));
  set(c.spcm, a.mul(c.spin, 2.54));
}

} // namespace

void loadCoffeeCan(const DesignValues &design, CoffeeCanValues &can, FieldSink &sink) {
  sink.setText("Text24", singleToText(design.freq));
  computeCan(design.freq, can);
  const std::pair<const char *, float> fields[] = {
      {"Text2", can.idin},   {"Text4", can.idcm},  {"Text7", can.milin},  {"Text8", can.malin},
      {"Text12", can.spin},  {"Text14", can.spcm}, {"Text16", can.milcm}, {"Text17", can.malcm},
      {"Text20", can.antin}, {"Text22", can.antcm}};
  for (const auto &[name, value] : fields)
    sink.setText(name, singleToText(value));
}

} // namespace dishwright
