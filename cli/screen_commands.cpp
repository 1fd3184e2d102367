#include "cli/commands.h"

#include "calc/screen_rules/coffee_can.h"
#include "calc/screen_rules/dish_figures.h"
#include "calc/screen_rules/input_step.h"
#include "calc/screen_rules/profile.h"

#include "cli/report.h"

#include <array>
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

// The profile's heading line and unit, by the unit system of the listing.
struct ProfileUnit {
  const char *heading;
  FigureUnit unit;
};
constexpr ProfileUnit kInchProfile{"IN INCHES", kInches};
constexpr ProfileUnit kCmProfile{"IN CMS", kCentimetres};

// Reports the calculation screens' figures, each as soon as the last of its
// fields is written, as the texts the screens show.
class ScreenPrinter : public FieldSink {
public:
  ScreenPrinter(Report &out, ProfileUnit profile) : out_(out), profile_(profile) {}

  void setText(Field field, std::string_view text) override {
    t_.set(field, text);
    switch (field) {
    case Field::DiameterUnit:
      out_.shown("diameter", t_[Field::Diameter], unitOfWord(text));
      out_.shown("frequency", t_[Field::Frequency], kMegahertz);
      break;
    case Field::MeshSize:
      out_.shown("mesh size", text, unitOfWord(t_[Field::MeshUnit]));
      break;
    case Field::Gain:
      out_.shown("gain", text, kDecibels);
      break;
    case Field::Beamwidth:
      out_.shown("beamwidth", text, kDegrees);
      out_.profile(profile_.heading, profile_.unit);
      break;
    default:
      break;
    }
  }
  void appendRow(std::string_view row) override { out_.profileRow(row); }

private:
  Report &out_;
  ProfileUnit profile_;
  FieldTexts t_;
};

// A length the can screen shows in inches and in cm: "X INCHES Y CM", keys
// "<key>_in" and "<key>_cm". With `unitShown` false the units are left to the
// part after it ("5.1 to 6.2 INCHES").
ReportLine::Part inchPart(const std::string &key, std::string_view text, bool unitShown = true) {
  Figure f = Figure::shown(key + "_in", text, kInches);
  f.unitShown = unitShown;
  return figurePart(std::move(f));
}
ReportLine::Part cmPart(const std::string &key, std::string_view text, bool unitShown = true) {
  Figure f = Figure::shown(key + "_cm", text, kCentimetres);
  f.unitShown = unitShown;
  return figurePart(std::move(f));
}

// Keeps the coffee-can fields; reports the frequency at once.
class CanPrinter : public FieldSink {
public:
  explicit CanPrinter(Report &out) : out_(out) {}
  void setText(Field field, std::string_view text) override {
    t_.set(field, text);
    if (field == Field::Frequency)
      out_.shown("frequency", text, kMegahertz);
  }
  void appendRow(std::string_view) override {}
  void printDimensions() {
    out_.line("inside diameter", {inchPart("inside_diameter", t_[Field::CanDiameterInches]),
                                  cmPart("inside_diameter", t_[Field::CanDiameterCm])});
    out_.line("length", {inchPart("shortest_can", t_[Field::ShortestCanInches], false),
                         wordsPart("to"), inchPart("longest_can", t_[Field::LongestCanInches]),
                         cmPart("shortest_can", t_[Field::ShortestCanCm], false), wordsPart("to"),
                         cmPart("longest_can", t_[Field::LongestCanCm])});
    out_.line("probe position",
              {inchPart("probe_position", t_[Field::ProbePositionInches]),
               cmPart("probe_position", t_[Field::ProbePositionCm]), wordsPart("FROM THE BACK")});
    out_.line("probe length", {inchPart("probe_length", t_[Field::ProbeLengthInches]),
                               cmPart("probe_length", t_[Field::ProbeLengthCm])});
  }

private:
  Report &out_;
  FieldTexts t_;
};

// Reports the list rows only.
class RowPrinter : public FieldSink {
public:
  explicit RowPrinter(Report &out) : out_(out) {}
  void setText(Field, std::string_view) override {}
  void appendRow(std::string_view row) override { out_.profileRow(row); }

private:
  Report &out_;
};

void runScreen(const Invocation &call, Report &out, bool metric) {
  DesignValues values;
  storeInputs(values, call.arg(0), call.arg(1), call.arg(2));
  ScreenPrinter printer(out, metric ? kCmProfile : kInchProfile);
  if (metric)
    loadMetricScreen(values, printer);
  else
    loadImperialScreen(values, printer);
}

} // namespace

void runFeet(const Invocation &call, Report &out) { runScreen(call, out, false); }
void runMeters(const Invocation &call, Report &out) { runScreen(call, out, true); }

void runPrint(const Invocation &call, Report &out) {
  const bool metric = call.arg(0) == "meters";
  DesignValues values;
  values.fd = readInput(Field::FdRatio, call.arg(1));
  values.dia = readInput(Field::Diameter, call.arg(2));
  const ProfileUnit profile = metric ? kCmProfile : kInchProfile;
  out.profile(profile.heading, profile.unit);
  RowPrinter printer(out);
  if (metric)
    listMetricPrint(values, printer);
  else
    listImperialPrint(values, printer);
}

void runCan(const Invocation &call, Report &out) {
  DesignValues values;
  values.freq = readInput(Field::Frequency, call.arg(0));
  CoffeeCanValues can;
  CanPrinter printer(out);
  loadCoffeeCan(values, can, printer);
  printer.printDimensions();
}

} // namespace dishwright
