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
  out.unit = dishSizeUnitFromText(dish[0]).value_or(DishSizeUnit::Metres);
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

void printRemarks(const std::vector<FeedRemark> &remarks, Report &out) {
  for (const FeedRemark &remark : remarks)
    if (remark.kind == FeedRemark::Kind::Note)
      out.note(remark.text);
    else
      out.warning(remark.text);
}

// The best f/D and its efficiency; at an end of the range searched, the figure the
// best lies beyond.
void printBest(const BestFd &best, Report &out) {
  if (best.edge == BestFdEdge::Inside) {
    out.figure("best f/D", best.fd);
    out.figure("best aperture efficiency", best.aperture);
    return;
  }
  Figure fd = Figure::shown("best_fd", plainFigureText(best.fd), kNoUnit);
  fd.bound = best.edge == BestFdEdge::Lowest ? Figure::Bound::AtMost : Figure::Bound::AtLeast;
  out.line("best f/D", std::move(fd));
  Figure aperture =
      Figure::number("best_aperture_efficiency", best.aperture, kNoUnit, kMeasuredDigits);
  aperture.bound = Figure::Bound::AtLeast;
  out.line("best aperture efficiency", std::move(aperture));
}

void print(const FeedFigures &figures, Report &out) {
  out.figure("rim angle", figures.onDish.rimAngleDeg, kDegrees);
  if (figures.equivalentN)
    out.figure("equivalent cos n", *figures.equivalentN);
  out.figure("edge taper", figures.onDish.edgeTaperDb, kDecibels);
  out.figure("spillover efficiency", figures.onDish.spillover);
  out.figure("illumination efficiency", figures.onDish.illumination);
  out.figure("aperture efficiency", figures.onDish.aperture);
  printBest(figures.best, out);
  if (figures.gain) {
    out.figure("blockage efficiency", figures.gain->blockage);
    out.figure("surface efficiency", figures.gain->surface);
    out.figure("total efficiency", figures.gain->total);
    out.figure("gain", figures.gain->gainDbi, kDecibelsIsotropic);
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

void runFeedCos(const Invocation &call, Report &out) {
  const double fd = readFd(call);
  const auto dish = readDish(call);
  const double n = readDecimal(call.arg(1), "cos n exponent");
  print(workOut(fd, cosNPattern(n), dish), out);
}

void runFeedBeamwidth(const Invocation &call, Report &out) {
  const double fd = readFd(call);
  const auto dish = readDish(call);
  const double n = cosNForBeamwidth(readDecimal(call.arg(1), "beamwidth"));
  FeedFigures figures = workOut(fd, cosNPattern(n), dish);
  figures.equivalentN = n;
  print(figures, out);
}

void runFeedCan(const Invocation &call, Report &out) {
  const double fd = readFd(call);
  const auto dish = readDish(call);
  const LengthUnit unit = *lengthUnitFromText(call.arg(1));
  const double diameter = readDecimal(call.arg(2), "can diameter");
  const double frequency = readDecimal(call.arg(3), "frequency");
  FeedFigures figures = workOut(fd, canPattern(diameter, unit, frequency), dish);
  figures.remarks = canFeedRemarks(canModes(diameter, unit, frequency));
  print(figures, out);
}

void runFeedPattern(const Invocation &call, Report &out) {
  const double fd = readFd(call);
  const auto dish = readDish(call);
  print(workOut(fd, readPatternFrom(call.arg(1), *call.in), dish), out);
}

} // namespace dishwright
