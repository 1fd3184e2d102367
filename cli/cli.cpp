#include "cli/cli.h"

#include "calc/screen_rules/calc_error.h"
#include "calc/screen_rules/coffee_can.h"
#include "calc/screen_rules/dish_figures.h"
#include "calc/screen_rules/input_step.h"
#include "calc/screen_rules/number_text.h"
#include "calc/screen_rules/profile.h"
#include "cli/measure_command.h"
#include "cli/template_command.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <ostream>
#include <string>

namespace dishwright {
namespace {

const char kUsage[] =
    "usage: dishwright-calc feet FD DIA FREQ          figures and profile, DIA in feet\n"
    "       dishwright-calc meters FD DIA FREQ        figures and profile, DIA in metres\n"
    "       dishwright-calc print feet|meters FD DIA  the profile of the print screen\n"
    "       dishwright-calc can FREQ                  the coffee-can feed\n"
    "       dishwright-calc template rib feet|meters FD DIA [--hub H] [--freq MHZ]\n"
    "                       [--paper a4|letter|sheet] [--svg|--dxf] -o FILE\n"
    "       dishwright-calc template petal feet|meters FD DIA GORES [--freq MHZ]\n"
    "                       [--paper a4|letter|sheet] [--svg|--dxf] -o FILE\n"
    "                                                 full-scale templates\n"
    "       dishwright-calc measure prime in|cm|mm DIA DEPTH\n"
    "       dishwright-calc measure offset in|cm|mm WIDTH HEIGHT DEPTH\n"
    "       dishwright-calc measure fit in|cm|mm [FREQ] < points\n"
    "                                                 the dish you own\n"
    "       dishwright-calc can-check in|cm|mm DIAMETER FREQ\n"
    "                                                 the can you own\n"
    "       dishwright-calc --help | -h | --version | -V\n"
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

// Wrong usage: what was wrong, said before the usage.
struct UsageError {
  std::string what;
};

// Checks the count of arguments after the command's own words against `names`,
// the arguments' names separated by blanks.
void expectArguments(const std::vector<std::string> &args, std::size_t words,
                     const std::string &names) {
  const std::size_t given = args.size() - words;
  const auto wanted = static_cast<std::size_t>(std::count(names.begin(), names.end(), ' ') + 1);
  if (given == wanted)
    return;
  std::string command = args[0];
  for (std::size_t i = 1; i < words; ++i)
    command += ' ' + args[i];
  std::string what = command + " takes " + std::to_string(wanted) +
                     (wanted == 1 ? " argument (" : " arguments (") + names + "), " +
                     std::to_string(given) + " given: ";
  if (given < wanted) {
    std::size_t at = 0;
    for (std::size_t i = 0; i < given; ++i)
      at = names.find(' ', at) + 1;
    what += names.substr(at, names.find(' ', at) - at) + " is missing";
  } else {
    what += "\"" + args[words + wanted] + "\" is one too many";
  }
  throw UsageError{what};
}

bool metricUnit(const std::vector<std::string> &args) {
  if (args.size() < 2)
    throw UsageError{"print needs a unit: feet or meters"};
  if (args[1] != "feet" && args[1] != "meters")
    throw UsageError{"unknown unit \"" + args[1] + "\" (feet or meters)"};
  return args[1] == "meters";
}

void runScreen(const std::vector<std::string> &args, std::ostream &out) {
  expectArguments(args, 1, "FD DIA FREQ");
  const bool metric = args[0] == "meters";
  DesignValues values;
  storeInputs(values, args[1], args[2], args[3]);
  ScreenPrinter printer(out, metric ? "IN CMS" : "IN INCHES");
  if (metric)
    loadMetricScreen(values, printer);
  else
    loadImperialScreen(values, printer);
}

void runPrint(const std::vector<std::string> &args, std::ostream &out) {
  const bool metric = metricUnit(args);
  expectArguments(args, 2, "FD DIA");
  DesignValues values;
  values.fd = readInput(Field::FdRatio, args[2]);
  values.dia = readInput(Field::Diameter, args[3]);
  out << "profile: " << (metric ? "IN CMS" : "IN INCHES") << '\n';
  RowPrinter printer(out);
  if (metric)
    listMetricPrint(values, printer);
  else
    listImperialPrint(values, printer);
}

void runCan(const std::vector<std::string> &args, std::ostream &out) {
  expectArguments(args, 1, "FREQ");
  DesignValues values;
  values.freq = readInput(Field::Frequency, args[1]);
  CoffeeCanValues can;
  CanPrinter printer(out);
  loadCoffeeCan(values, can, printer);
  printer.printDimensions();
}

void runCommand(const std::vector<std::string> &args, std::ostream &out) {
  if (args.empty())
    throw UsageError{"no command given"};
  const std::string &command = args[0];
  if (command == "feet" || command == "meters")
    runScreen(args, out);
  else if (command == "print")
    runPrint(args, out);
  else if (command == "can")
    runCan(args, out);
  else
    throw UsageError{"unknown command \"" + command + "\""};
}

// "error: <kind>", then what failed: the kind's words stay first for scripts.
std::string errorLine(const CalcError &e) {
  std::string line = std::string("error: ") + kindName(e.kind());
  if (!e.detail().empty())
    line += (e.readingField() ? ": " : " ") + e.detail();
  return line;
}

} // namespace

int runCli(const std::vector<std::string> &args, std::ostream &out, std::ostream &err) {
  if (!args.empty() && args[0] == "template")
    return runTemplateCommand(args, out, err);
  if (const auto status = runMeasureCommand(args, out, err))
    return *status;
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    out << kUsage;
    return 0;
  }
  if (args.size() == 1 && (args[0] == "--version" || args[0] == "-V")) {
    out << "dishwright-calc " << DISHWRIGHT_VERSION << '\n';
    return 0;
  }
  try {
    runCommand(args, out);
  } catch (const UsageError &e) {
    err << "dishwright-calc: " << e.what << "\n\n" << kUsage;
    return 2;
  } catch (const CalcError &e) {
    out.flush();
    err << errorLine(e) << '\n';
    return 1;
  }
  out.flush();
  return 0;
}

} // namespace dishwright
