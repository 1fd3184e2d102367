#include "cli/commands.h"

#include "calc/common/decimal_text.h"
#include "calc/common/figure_text.h"
#include "calc/common/input_checks.h"
#include "calc/common/input_error.h"
#include "calc/common/length_unit.h"
#include "calc/physics/feed_efficiency.h"
#include "calc/physics/feed_pattern.h"
#include "calc/physics/feed_remarks.h"
#include "calc/physics/guide_modes.h"
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
  std::vector<FeedRemark> remarks;   // the feed's warnings and notes, after the figures
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
  FeedFigures figures{feed.at(fd), feed.best(), std::nullopt, std::nullopt,
                      patternRemarks(feed.pattern())};
  if (dish)
    figures.gain = dishGain(*dish, figures.onDish.aperture);
  return figures;
}

// "0.2 or below", "5 or above": a best f/D at an end of the range searched.
std::string edgeWords(BestFdEdge edge) {
  return edge == BestFdEdge::Lowest ? " or below" : edge == BestFdEdge::Highest ? " or above" : "";
}

void printRemarks(const std::vector<FeedRemark> &remarks, std::ostream &out) {
  for (const FeedRemark &remark : remarks)
    out << (remark.kind == FeedRemark::Kind::Note ? "note: " : "warning: ") << remark.text << '\n';
}

void print(const FeedFigures &figures, std::ostream &out) {
  out << "rim angle: " << fig(figures.onDish.rimAngleDeg) << " DEGREES\n";
  if (figures.equivalentN)
    out << "equivalent cos n: " << fig(*figures.equivalentN) << '\n';
  out << "edge taper: " << fig(figures.onDish.edgeTaperDb) << " DB\n";
  out << "spillover efficiency: " << fig(figures.onDish.spillover) << '\n';
  out << "illumination efficiency: " << fig(figures.onDish.illumination) << '\n';
  out << "aperture efficiency: " << fig(figures.onDish.aperture) << '\n';
  if (figures.best.edge == BestFdEdge::Inside) {
    out << "best f/D: " << fig(figures.best.fd) << '\n';
    out << "best aperture efficiency: " << fig(figures.best.aperture) << '\n';
  } else { // the efficiency at the end of the range, which the best is not below
    out << "best f/D: " << plainFigureText(figures.best.fd) << edgeWords(figures.best.edge) << '\n';
    out << "best aperture efficiency: " << fig(figures.best.aperture) << " or above\n";
  }
  if (figures.gain) {
    out << "blockage efficiency: " << fig(figures.gain->blockage) << '\n';
    out << "surface efficiency: " << fig(figures.gain->surface) << '\n';
    out << "total efficiency: " << fig(figures.gain->total) << '\n';
    out << "gain: " << fig(figures.gain->gainDbi) << " DBI\n";
  }
  printRemarks(figures.remarks, out);
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
  FeedFigures figures = workOut(fd, canPattern(diameter, unit, frequency), dish);
  figures.remarks = canFeedRemarks(canModes(diameter, unit, frequency));
  print(figures, out);
}

void runFeedPattern(const Invocation &call, std::ostream &out) {
  const double fd = readFd(call);
  const auto dish = readDish(call);
  print(workOut(fd, readPatternFrom(call.arg(1), *call.in), dish), out);
}

} // namespace dishwright
