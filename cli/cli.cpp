#include "cli.h"

#include "calc_error.h"
#include "coffee_can.h"
#include "dish_figures.h"
#include "input_step.h"
#include "measure_command.h"
#include "number_text.h"
#include "profile.h"

#include <map>
#include <ostream>

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

// Prints the calculation screens' fields as lines, each as soon as it is written.
class ScreenPrinter : public FieldSink {
public:
  ScreenPrinter(std::ostream &out, const char *listUnit) : out_(out), listUnit_(listUnit) {}

  void setText(std::string_view field, std::string_view text) override {
    std::string value(text);
    texts_[std::string(field)] = value;
    if (field == "Text31") {
      out_ << "diameter: " << texts_["Text30"] << ' ' << value << '\n';
      out_ << "frequency: " << texts_["Text33"] << " MHZ\n";
    } else if (field == "Text36") {
      out_ << "mesh size: " << value << ' ' << texts_["Text37"] << '\n';
    } else if (field == "Text39") {
      out_ << "gain: " << value << " DB\n";
    } else if (field == "Text53") {
      out_ << "beamwidth: " << value << " DEGREES\n";
      out_ << "profile: " << listUnit_ << '\n';
    }
  }
  void appendRow(std::string_view row) override { out_ << row << '\n'; }

private:
  std::ostream &out_;
  const char *listUnit_;
  std::map<std::string, std::string> texts_;
};

// Keeps the coffee-can fields; prints the frequency line at once.
class CanPrinter : public FieldSink {
public:
  explicit CanPrinter(std::ostream &out) : out_(out) {}
  void setText(std::string_view field, std::string_view text) override {
    texts_[std::string(field)] = std::string(text);
    if (field == "Text24")
      out_ << "frequency: " << text << " MHZ\n";
  }
  void appendRow(std::string_view) override {}
  void printDimensions() {
    out_ << "inside diameter: " << t("Text2") << " INCHES " << t("Text4") << " CM\n";
    out_ << "length: " << t("Text7") << " to " << t("Text8") << " INCHES " << t("Text16") << " to "
         << t("Text17") << " CM\n";
    out_ << "probe position: " << t("Text12") << " INCHES " << t("Text14") << " CM FROM THE BACK\n";
    out_ << "probe length: " << t("Text20") << " INCHES " << t("Text22") << " CM\n";
  }

private:
  const std::string &t(const char *field) { return texts_[field]; }
  std::ostream &out_;
  std::map<std::string, std::string> texts_;
};

// Prints the list rows only.
class RowPrinter : public FieldSink {
public:
  explicit RowPrinter(std::ostream &out) : out_(out) {}
  void setText(std::string_view, std::string_view) override {}
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
  if (const auto status = runMeasureCommand(args, out, err))
    return *status;
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
