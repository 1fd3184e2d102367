#include "cli/commands.h"

#include "calc/screen_rules/coffee_can.h"
#include "calc/screen_rules/dish_figures.h"
#include "calc/screen_rules/input_step.h"
#include "calc/screen_rules/profile.h"

#include <array>
#include <ostream>
#include <string>

namespace dishwright {
namespace {

// The texts written so far, by what they are.
class FieldTexts {
public:
  void set(Field field, std::string_view text) { texts_[index(field)] = text; }
  const std::string &operator[](Field field) const { return texts_[index(field)]; }

private:
  static std::size_t index(Field field) { return static_cast<std::size_t>(field); }
  std::array<std::string, static_cast<std::size_t>(Field::ProbeLengthCm) + 1> texts_;
};

// Prints the calculation screens' figures as lines, each as soon as the last of its
// fields is written.
class ScreenPrinter : public FieldSink {
public:
  ScreenPrinter(std::ostream &out, const char *listUnit) : out_(out), listUnit_(listUnit) {}

  void setText(Field field, std::string_view text) override {
    t_.set(field, text);
    switch (field) {
    case Field::DiameterUnit:
      out_ << "diameter: " << t_[Field::Diameter] << ' ' << text << '\n';
      out_ << "frequency: " << t_[Field::Frequency] << " MHZ\n";
      break;
    case Field::MeshSize:
      out_ << "mesh size: " << text << ' ' << t_[Field::MeshUnit] << '\n';
      break;
    case Field::Gain:
      out_ << "gain: " << text << " DB\n";
      break;
    case Field::Beamwidth:
      out_ << "beamwidth: " << text << " DEGREES\n";
      out_ << "profile: " << listUnit_ << '\n';
      break;
    default:
      break;
    }
  }
  void appendRow(std::string_view row) override { out_ << row << '\n'; }

private:
  std::ostream &out_;
  const char *listUnit_;
  FieldTexts t_;
};

// Keeps the coffee-can fields; prints the frequency line at once.
class CanPrinter : public FieldSink {
public:
  explicit CanPrinter(std::ostream &out) : out_(out) {}
  void setText(Field field, std::string_view text) override {
    t_.set(field, text);
    if (field == Field::Frequency)
      out_ << "frequency: " << text << " MHZ\n";
  }
  void appendRow(std::string_view) override {}
  void printDimensions() {
    out_ << "inside diameter: " << t_[Field::CanDiameterInches] << " INCHES "
         << t_[Field::CanDiameterCm] << " CM\n";
    out_ << "length: " << t_[Field::ShortestCanInches] << " to " << t_[Field::LongestCanInches]
         << " INCHES " << t_[Field::ShortestCanCm] << " to " << t_[Field::LongestCanCm] << " CM\n";
    out_ << "probe position: " << t_[Field::ProbePositionInches] << " INCHES "
         << t_[Field::ProbePositionCm] << " CM FROM THE BACK\n";
    out_ << "probe length: " << t_[Field::ProbeLengthInches] << " INCHES "
         << t_[Field::ProbeLengthCm] << " CM\n";
  }

private:
  std::ostream &out_;
  FieldTexts t_;
};

// Prints the list rows only.
class RowPrinter : public FieldSink {
public:
  explicit RowPrinter(std::ostream &out) : out_(out) {}
  void setText(Field, std::string_view) override {}
  void appendRow(std::string_view row) override { out_ << row << '\n'; }

private:
  std::ostream &out_;
};

void runScreen(const Invocation &call, std::ostream &out, bool metric) {
  DesignValues values;
  storeInputs(values, call.arg(0), call.arg(1), call.arg(2));
  ScreenPrinter printer(out, metric ? "IN CMS" : "IN INCHES");
  if (metric)
    loadMetricScreen(values, printer);
  else
    loadImperialScreen(values, printer);
}

} // namespace

void runFeet(const Invocation &call, std::ostream &out) { runScreen(call, out, false); }
void runMeters(const Invocation &call, std::ostream &out) { runScreen(call, out, true); }

void runPrint(const Invocation &call, std::ostream &out) {
  const bool metric = call.arg(0) == "meters";
  DesignValues values;
  values.fd = readInput(Field::FdRatio, call.arg(1));
  values.dia = readInput(Field::Diameter, call.arg(2));
  out << "profile: " << (metric ? "IN CMS" : "IN INCHES") << '\n';
  RowPrinter printer(out);
  if (metric)
    listMetricPrint(values, printer);
  else
    listImperialPrint(values, printer);
}

void runCan(const Invocation &call, std::ostream &out) {
  DesignValues values;
  values.freq = readInput(Field::Frequency, call.arg(0));
  CoffeeCanValues can;
  CanPrinter printer(out);
  loadCoffeeCan(values, can, printer);
  printer.printDimensions();
}

} // namespace dishwright
