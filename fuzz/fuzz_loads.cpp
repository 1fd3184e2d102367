// The load calculations on any input texts. The input is up to four lines: the
// first byte of the first picks the load ('0' imperial screen, '1' metric
// screen, '2' imperial print, '3' metric print, '4' coffee can; other bytes
// count on from '0' modulo 5), the next three are the f/D, diameter and
// frequency texts. The screens read all three through storeInputs, as the FEET
// and METERS buttons do; the print listings read f/D and diameter, the coffee
// can the frequency, each through textToSingle.
//
// Every input must end normally or in a CalcError; the sink checks each text
// as it is written and the end state is checked against what the headers promise.
//
// Listing length: the core bounds every listing itself. A calculation-screen
// listing stops with an overflow once X x X leaves 32 bits (46,340 rows at
// most), and a print listing refuses, before any row, a limit from which its
// single counter would stop advancing (2^24 rows at most). The sink stops a
// listing after kRowCap rows only to keep the fuzzer fast (a print listing of
// millions of rows takes seconds). The cap lies above the longest screen
// listing, so it does not hide a runaway listing: a screen listing that
// reaches it, or a print listing that reaches it although its limit is at or
// beyond the bound, is reported.
#include "calc/screen_rules/calc_error.h"
#include "calc/screen_rules/coffee_can.h"
#include "calc/screen_rules/design_values.h"
#include "calc/screen_rules/dish_figures.h"
#include "calc/screen_rules/field_sink.h"
#include "calc/screen_rules/input_step.h"
#include "calc/screen_rules/number_text.h"
#include "calc/screen_rules/profile.h"
#include "fuzz/checks.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

using namespace dishwright;
using fuzz::check;
using fuzz::fail;

namespace {

constexpr long kRowCap = 50000;

enum class Load { ImperialScreen, MetricScreen, ImperialPrint, MetricPrint, CoffeeCan };

bool isScreen(Load l) { return l == Load::ImperialScreen || l == Load::MetricScreen; }
bool isImperial(Load l) { return l == Load::ImperialScreen || l == Load::ImperialPrint; }

// Thrown by the sink at the row cap; deliberately no std::exception.
struct Enough {};

class CheckingSink : public FieldSink {
public:
  explicit CheckingSink(Load load) : load_(load) {}

  void setText(Field field, std::string_view text) override {
    check(field != Field::None, "a text for no field");
    check(!text.empty(), "an empty field text", fieldName(field));
    check(rows == 0, "a field written after the list rows", fieldName(field));
    if (field == Field::MeshUnit || field == Field::DiameterUnit) {
      const bool imperial = isImperial(load_);
      const char *unit =
          field == Field::MeshUnit ? (imperial ? "INCHES" : "MM") : (imperial ? "FEET" : "METERS");
      check(text == unit, "wrong unit name", text);
    } else {
      check(fuzz::isNumberText(text), "a field text is no number text", text);
    }
    fields.emplace_back(field, text);
  }

  void appendRow(std::string_view row) override {
    check(load_ != Load::CoffeeCan, "the coffee can appended a row", row);
    const std::size_t dots = row.find("....");
    check(dots != std::string_view::npos, "a row without \"....\"", row);
    const std::string_view x = row.substr(0, dots), y = row.substr(dots + 4);
    check(fuzz::isNumberText(x) && fuzz::isNumberText(y), "a row is not X....Y", row);

    // X counts 1, 2, 3, ... inches or 1, 3, 5, ... cm; below the cap it is
    // plain notation in either listing.
    const long step = isImperial(load_) ? 1 : 2;
    char expectedX[24];
    const char *end = std::to_chars(expectedX, expectedX + sizeof expectedX, 1 + step * rows).ptr;
    check(x == std::string_view(expectedX, static_cast<std::size_t>(end - expectedX)),
          "X out of sequence", row);

    // The depth grows with X, on the side of the focal length's sign.
    double depth = 0;
    std::from_chars(y.data(), y.data() + y.size(), depth);
    const int sign = (depth > 0) - (depth < 0);
    check(sign == 0 || depthSign == 0 || sign == depthSign, "depths of both signs", row);
    check(std::fabs(depth) >= std::fabs(lastDepth), "a depth smaller than the one before", row);
    if (sign != 0)
      depthSign = sign;
    lastDepth = depth;

    if (++rows >= kRowCap) {
      capped = true;
      throw Enough{};
    }
  }

  std::vector<std::pair<Field, std::string>> fields;
  long rows = 0;
  bool capped = false;

private:
  Load load_;
  double lastDepth = 0;
  int depthSign = 0;
};

// Round to the nearest whole number, halves to even.
double halfEven(double v) {
  const double below = std::floor(v), part = v - below;
  return part > 0.5 || (part == 0.5 && std::fmod(below, 2.0) != 0) ? below + 1 : below;
}

// The list length a load that ended normally must have written.
void checkRowCount(Load load, const DesignValues &v, long rows) {
  const double perUnit = isImperial(load) ? 6 : 50; // half a diameter, inches or cm
  const double half = static_cast<double>(v.dia) * perUnit;
  double limit = 0;
  if (isScreen(load)) {
    limit = halfEven(half);
  } else {
    limit = std::floor(static_cast<float>(half));
    if (limit >= 16777216.0)
      return; // the metric counter steps unevenly from 2^24 on; out of the cap's reach
  }
  const double expected = limit < 1 ? 0 : isImperial(load) ? limit : std::floor((limit + 1) / 2);
  check(static_cast<double>(rows) == expected, "wrong number of rows",
        std::to_string(rows) + " for diameter " + singleToText(v.dia));
}

void checkScreenFields(const CheckingSink &sink, const DesignValues &v, bool complete) {
  static const Field kOrder[] = {Field::Frequency,    Field::Diameter, Field::MeshUnit,
                                 Field::DiameterUnit, Field::MeshSize, Field::Gain,
                                 Field::Beamwidth};
  check(sink.fields.size() <= 7, "too many screen fields");
  check(!complete || sink.fields.size() == 7, "a screen field missing");
  for (std::size_t i = 0; i < sink.fields.size(); ++i)
    check(sink.fields[i].first == kOrder[i], "screen fields out of order",
          fieldName(sink.fields[i].first));
  check(sink.fields.empty() || sink.fields[0].second == singleToText(v.freq),
        "the frequency field is not the frequency");
  check(sink.fields.size() < 2 || sink.fields[1].second == singleToText(v.dia),
        "the diameter field is not the diameter");
  check(complete || sink.rows == 0 || sink.fields.size() == 7, "rows before all figures");
}

void checkCanFields(const CheckingSink &sink, const DesignValues &v, const CoffeeCanValues &c,
                    bool complete) {
  check(!sink.fields.empty() && sink.fields[0].first == Field::Frequency &&
            sink.fields[0].second == singleToText(v.freq),
        "the can's first field is not the frequency");
  if (!complete) {
    check(sink.fields.size() == 1, "can fields written although a value failed");
    return;
  }
  const std::pair<Field, float> expected[] = {
      {Field::CanDiameterInches, c.idin},   {Field::CanDiameterCm, c.idcm},
      {Field::ShortestCanInches, c.milin},  {Field::LongestCanInches, c.malin},
      {Field::ProbePositionInches, c.spin}, {Field::ProbePositionCm, c.spcm},
      {Field::ShortestCanCm, c.milcm},      {Field::LongestCanCm, c.malcm},
      {Field::ProbeLengthInches, c.antin},  {Field::ProbeLengthCm, c.antcm}};
  check(sink.fields.size() == 11, "not all eleven can fields written");
  for (std::size_t i = 0; i < 10; ++i) {
    check(sink.fields[i + 1].first == expected[i].first, "can fields out of order",
          fieldName(sink.fields[i + 1].first));
    check(sink.fields[i + 1].second == singleToText(expected[i].second),
          "a can field is not its value", fieldName(sink.fields[i + 1].first));
  }
}

// Reads the input texts; false when one is refused (which must be a reading error).
bool readInputs(Load load, const std::string_view (&text)[3], DesignValues &v) {
  try {
    if (isScreen(load)) {
      storeInputs(v, text[0], text[1], text[2]);
    } else if (load == Load::CoffeeCan) {
      v.freq = textToSingle(text[2]);
    } else {
      v.fd = textToSingle(text[0]);
      v.dia = textToSingle(text[1]);
    }
    return true;
  } catch (const CalcError &e) {
    check(e.kind() == ErrorKind::TypeMismatch || e.kind() == ErrorKind::Overflow,
          "reading a text failed with another kind", e.what());
    return false;
  }
}

void runLoad(Load load, DesignValues &v, CoffeeCanValues &can, CheckingSink &sink) {
  switch (load) {
  case Load::ImperialScreen:
    return loadImperialScreen(v, sink);
  case Load::MetricScreen:
    return loadMetricScreen(v, sink);
  case Load::ImperialPrint:
    return listImperialPrint(v, sink);
  case Load::MetricPrint:
    return listMetricPrint(v, sink);
  case Load::CoffeeCan:
    return loadCoffeeCan(v, can, sink);
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char *>(data), size);
  std::string_view line[4];
  for (int i = 0; i < 4; ++i) {
    const std::size_t end = i == 3 ? input.npos : input.find('\n');
    line[i] = input.substr(0, end);
    input = end == input.npos ? std::string_view{} : input.substr(end + 1);
  }
  const unsigned char selector = line[0].empty() ? '0' : static_cast<unsigned char>(line[0][0]);
  const auto load = static_cast<Load>(static_cast<unsigned char>(selector - '0') % 5);
  const std::string_view text[3] = {line[1], line[2], line[3]};

  DesignValues values;
  CoffeeCanValues can;
  if (!readInputs(load, text, values))
    return 0;

  // What the header promises for the print listings' limit: one from which the
  // counter would stop advancing is refused with an overflow before any row.
  bool printRefused = false;
  if (!isScreen(load) && load != Load::CoffeeCan) {
    const double half = static_cast<double>(values.dia) * (isImperial(load) ? 6 : 50);
    const float bound = isImperial(load) ? kImperialPrintBound : kMetricPrintBound;
    printRefused = !(std::fabs(half) < 0x1.ffffffp127) || static_cast<float>(half) >= bound;
  }

  CheckingSink sink(load);
  bool complete = false;
  try {
    runLoad(load, values, can, sink);
    complete = true;
  } catch (const CalcError &e) {
    check(std::string(kindName(e.kind())) != "unknown", "a CalcError of no kind");
    check(!printRefused || (e.kind() == ErrorKind::Overflow && sink.rows == 0),
          "a refused print limit did not end in an overflow before any row");
  } catch (const Enough &) {
    check(!isScreen(load), "a screen listing longer than X x X in 32 bits allows");
    check(!printRefused, "a print listing ran past its bound");
    return 0;
  } catch (const std::exception &e) {
    fail("an exception other than CalcError escaped", e.what());
  } catch (...) {
    fail("something other than an exception escaped");
  }
  check(!sink.capped, "the core swallowed the sink's exception");
  check(!complete || !printRefused, "a refused print limit listed normally");

  if (isScreen(load))
    checkScreenFields(sink, values, complete);
  else if (load == Load::CoffeeCan)
    checkCanFields(sink, values, can, complete);
  else
    check(sink.fields.empty(), "a print listing wrote a field");
  if (complete && load != Load::CoffeeCan)
    checkRowCount(load, values, sink.rows);
  return 0;
}
