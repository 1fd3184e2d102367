#include "cli.h"

#include "calc_error.h"
#include "coffee_can.h"
#include "dish_figures.h"
#include "input_step.h"
#include "number_text.h"
#include "profile.h"

#include <array>
#include <ostream>
#include <string>

namespace dishwright {
namespace {

const char kUsage[] =
    "usage: dishwright-calc feet FD DIA FREQ          figures and profile, DIA in feet\n"
    "       dishwright-calc meters FD DIA FREQ        figures and profile, DIA in metres\n"
    "       dishwright-calc print feet|meters FD DIA  the profile of the print screen\n"
    "       dishwright-calc can FREQ                  the coffee-can feed\n"
    "       dishwright-calc --help\n"
    "FD is the focal length over the diameter, FREQ is in MHz. Every number is read\n"
    "as the input screen reads it: \" 4 \", \"4.5e1\" and \"-2\" are numbers.\n";

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

void runScreen(const std::vector<std::string> &args, bool metric, std::ostream &out) {
  DesignValues values;
  storeInputs(values, args[1], args[2], args[3]);
  ScreenPrinter printer(out, metric ? "IN CMS" : "IN INCHES");
  if (metric)
    loadMetricScreen(values, printer);
  else
    loadImperialScreen(values, printer);
}

void runPrint(const std::vector<std::string> &args, bool metric, std::ostream &out) {
  DesignValues values;
  values.fd = textToSingle(args[2]);
  values.dia = textToSingle(args[3]);
  out << "profile: " << (metric ? "IN CMS" : "IN INCHES") << '\n';
  RowPrinter printer(out);
  if (metric)
    listMetricPrint(values, printer);
  else
    listImperialPrint(values, printer);
}

void runCan(const std::vector<std::string> &args, std::ostream &out) {
  DesignValues values;
  values.freq = textToSingle(args[1]);
  CoffeeCanValues can;
  CanPrinter printer(out);
  loadCoffeeCan(values, can, printer);
  printer.printDimensions();
}

} // namespace

int runCli(const std::vector<std::string> &args, std::ostream &out, std::ostream &err) {
  const std::string command = args.empty() ? "" : args[0];
  const std::size_t n = args.size();
  const bool unit = n > 1 && (args[1] == "feet" || args[1] == "meters");
  try {
    if (command == "--help" && n == 1)
      out << kUsage;
    else if ((command == "feet" || command == "meters") && n == 4)
      runScreen(args, command == "meters", out);
    else if (command == "print" && unit && n == 4)
      runPrint(args, args[1] == "meters", out);
    else if (command == "can" && n == 2)
      runCan(args, out);
    else {
      err << kUsage;
      return 2;
    }
  } catch (const CalcError &e) {
    out.flush();
    err << "error: " << kindName(e.kind()) << '\n';
    return 1;
  }
  out.flush();
  return 0;
}

} // namespace dishwright
