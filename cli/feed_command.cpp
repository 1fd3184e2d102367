#include "cli/commands.h"

#include "calc/common/decimal_text.h"
#include "calc/common/figure_text.h"
#include "calc/common/input_checks.h"
#include "calc/common/input_error.h"
#include "calc/common/length_unit.h"
#include "calc/physics/feed_efficiency.h"
#include "calc/physics/feed_pattern.h"
#include "calc/physics/pattern_reader.h"
#include "cli/line_input.h"

#include <iostream>
#include <optional>
#include <string>

namespace dishwright {
namespace {

std::string fig(double value) { return figureText(value, kMeasuredDigits); }

// Everything a feed command prints, worked out before the first line is written.
struct FeedFigures {
  FeedOnDish onDish;
  BestFd best;
  std::optional<double> equivalentN; // for a feed given by its beamwidth
  std::optional<DishGain> gain;      // for a feed on a dish given with --dish
};

double readFd(const Invocation &call) {
  const double fd = readDecimal(call.arg(0), "f/D");
  requirePositive(fd, "f/D");
  return fd;
}

// The dish of --dish, with --blockage and --rms, when one was given.
std::optional<DishForGain> readDish(const Invocation &call) {
  if (!call.has("--dish")) {
    for (const char *option : {"--blockage", "--rms"})
      if (call.has(option))
        throw InputError(std::string(option) +
                         " needs --dish: it is measured against the dish's size");
    return std::nullopt;
  }
  const std::vector<std::string> &dish = call.values("--dish");
  DishForGain out;
  out.unit = dish[0] == "feet" ? DishSizeUnit::Feet : DishSizeUnit::Metres;
  out.diameter = readDecimal(dish[1], "diameter");
  out.frequencyMHz = readDecimal(dish[2], "frequency");
  if (call.has("--blockage"))
    out.blockageDiameter = readDecimal(call.values("--blockage")[0], "blockage diameter");
  if (call.has("--rms"))
    out.surfaceErrorRms = readDecimal(call.values("--rms")[0], "surface error");
  return out;
}

FeedFigures workOut(double fd, FeedPattern pattern, const std::optional<DishForGain> &dish) {
  const FeedEfficiencies feed(std::move(pattern));
  FeedFigures figures{feed.at(fd), feed.best(), std::nullopt, std::nullopt};
  if (dish)
    figures.gain = dishGain(*dish, figures.onDish.aperture);
  return figures;
}

void print(const FeedFigures &figures, std::ostream &out) {
  out << "rim angle: " << fig(figures.onDish.rimAngleDeg) << " DEGREES\n";
  if (figures.equivalentN)
    out << "equivalent cos n: " << fig(*figures.equivalentN) << '\n';
  out << "edge taper: " << fig(figures.onDish.edgeTaperDb) << " DB\n";
  out << "spillover efficiency: " << fig(figures.onDish.spillover) << '\n';
  out << "illumination efficiency: " << fig(figures.onDish.illumination) << '\n';
  out << "aperture efficiency: " << fig(figures.onDish.aperture) << '\n';
  out << "best f/D: " << fig(figures.best.fd) << '\n';
  out << "best aperture efficiency: " << fig(figures.best.aperture) << '\n';
  if (!figures.gain)
    return;
  out << "blockage efficiency: " << fig(figures.gain->blockage) << '\n';
  out << "surface efficiency: " << fig(figures.gain->surface) << '\n';
  out << "total efficiency: " << fig(figures.gain->total) << '\n';
  out << "gain: " << fig(figures.gain->gainDbi) << " DBI\n";
}

// The listed pattern of `name` ("-": standard input), read line by line so that
// the first bad line ends the reading.
FeedPattern readPatternFrom(const std::string &name, std::istream &standardInput) {
  std::ifstream file;
  const bool fromStandardInput = name == "-";
  if (!fromStandardInput)
    file = openForLines(name);
  LineInput input(fromStandardInput ? standardInput : file,
                  fromStandardInput ? "standard input" : name);
  PatternReader reader;
  for (std::string line; input.next(line);)
    reader.addLine(line);
  return reader.finish();
}

} // namespace

void runFeedCos(const Invocation &call, std::ostream &out) {
  const double fd = readFd(call);
  const auto dish = readDish(call);
  const double n = readDecimal(call.arg(1), "cos n exponent");
  print(workOut(fd, cosNPattern(n), dish), out);
}

void runFeedBeamwidth(const Invocation &call, std::ostream &out) {
  const double fd = readFd(call);
  const auto dish = readDish(call);
  const double n = cosNForBeamwidth(readDecimal(call.arg(1), "beamwidth"));
  FeedFigures figures = workOut(fd, cosNPattern(n), dish);
  figures.equivalentN = n;
  print(figures, out);
}

void runFeedCan(const Invocation &call, std::ostream &out) {
  const double fd = readFd(call);
  const auto dish = readDish(call);
  const LengthUnit unit = *lengthUnitFromText(call.arg(1));
  const double diameter = readDecimal(call.arg(2), "can diameter");
  const double frequency = readDecimal(call.arg(3), "frequency");
  print(workOut(fd, canPattern(diameter, unit, frequency), dish), out);
}

void runFeedPattern(const Invocation &call, std::ostream &out) {
  const double fd = readFd(call);
  const auto dish = readDish(call);
  print(workOut(fd, readPatternFrom(call.arg(1), *call.in), dish), out);
}

} // namespace dishwright
