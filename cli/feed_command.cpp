#include "cli/commands.h"

#include "calc/common/decimal_text.h"
#include "calc/common/figure_text.h"
#include "calc/common/input_checks.h"
#include "calc/common/input_error.h"
#include "calc/common/length_unit.h"
#include "calc/common/units.h"
#include "calc/physics/can_feed.h"
#include "calc/physics/feed_efficiency.h"
#include "calc/physics/feed_pattern.h"
#include "calc/physics/feed_remarks.h"
#include "calc/physics/guide_modes.h"
#include "calc/physics/pattern_reader.h"
#include "calc/physics/phase_centre.h"
#include "cli/feed_budget.h"
#include "cli/feed_offset.h"
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
  std::optional<double> equivalentN;    // for a feed given by its beamwidth
  std::optional<LossBudget> gain;       // for a feed on a dish given with --dish
  std::vector<FeedRemark> remarks;      // the feed's warnings and notes, after the figures
  const char *model = nullptr;          // a can's model, named on the first line
  FeedPhaseFigures phase;               // phase centre and efficiency, when known
  FigureUnit lengthUnit = kWavelengths; // the unit of the phase centre's line
  double wavelengthsPerUnit = 1;        // free-space wavelengths in one of that unit
};

// How the phase lines measure lengths: in the can's unit, or in wavelengths for
// a pattern, which has no unit of its own.
struct PhaseLength {
  FigureUnit unit;
  double wavelengthsPerUnit;
};
constexpr PhaseLength kInWavelengths{kWavelengths, 1.0};

double readFd(const Invocation &call) {
  const double fd = readDecimal(call.arg(0), "f/D");
  requirePositive(fd, "f/D");
  return fd;
}

// The losses of --dish and the budget options, when a dish was given.
std::optional<DishLosses> readDish(const Invocation &call) {
  requireBudgetAnchor(call, "--dish");
  if (!call.has("--dish"))
    return std::nullopt;
  const std::vector<std::string> &dish = call.values("--dish");
  const DishSizeUnit unit = dishSizeUnitFromText(dish[0]).value_or(DishSizeUnit::Metres);
  const double diameter = readDecimal(dish[1], "diameter");
  const double frequency = readDecimal(dish[2], "frequency");
  requirePositive(diameter, "diameter");
  requirePositive(frequency, "frequency");
  return readLosses(call, diameter * mmPerUnit(unit), frequency, smallUnitOf(unit));
}

CanModel readCanModel(const Invocation &call) {
  return call.has("--model") ? *canModelFromText(call.values("--model")[0]) : CanModel::Simulated;
}

// --defocus in wavelengths, when given.
std::optional<double> readDefocus(const Invocation &call, const PhaseLength &length) {
  if (!call.has("--defocus"))
    return std::nullopt;
  return readDecimal(call.values("--defocus")[0], "defocus") * length.wavelengthsPerUnit;
}

FeedFigures workOut(double fd, FeedPattern pattern, const std::optional<DishLosses> &dish,
                    std::optional<double> defocusWavelengths = std::nullopt,
                    const PhaseLength &length = kInWavelengths) {
  const FeedEfficiencies feed(std::move(pattern));
  FeedFigures figures;
  figures.onDish = feed.at(fd);
  figures.best = feed.best();
  figures.remarks = patternRemarks(feed.pattern());
  figures.phase = feedPhaseFigures(feed.pattern(), fd, defocusWavelengths);
  figures.lengthUnit = length.unit;
  figures.wavelengthsPerUnit = length.wavelengthsPerUnit;
  if (dish)
    figures.gain = budgetFor(feed.pattern(), primeAperture(fd, dish->apertureDiameterMm), 0, *dish,
                             figures.onDish.aperture * figures.phase.efficiency.value_or(1));
  return figures;
}

// "phase centre: put the mouth 0.41 MM behind the focus", "phase efficiency: 0.99912"
void printPhase(const FeedFigures &figures, Report &out) {
  if (const std::optional<PhaseCentre> &centre = figures.phase.centre) {
    const double distance = centre->meanWavelengths / figures.wavelengthsPerUnit;
    const bool behind = distance < 0;
    out.line("phase centre",
             {wordsPart(figures.model ? "put the mouth" : "put the reference point"),
              figurePart(Figure::number(behind ? "phase_centre_behind_focus"
                                               : "phase_centre_in_front_of_focus",
                                        std::abs(distance), figures.lengthUnit, kMeasuredDigits)),
              wordsPart(behind ? "behind the focus" : "in front of the focus")});
  }
  if (figures.phase.efficiency)
    out.figure("phase efficiency", *figures.phase.efficiency);
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
  if (figures.model)
    out.words("model", figures.model);
  out.figure("rim angle", figures.onDish.rimAngleDeg, kDegrees);
  if (figures.equivalentN)
    out.figure("equivalent cos n", *figures.equivalentN);
  out.figure("edge taper", figures.onDish.edgeTaperDb, kDecibels);
  out.figure("spillover efficiency", figures.onDish.spillover);
  out.figure("illumination efficiency", figures.onDish.illumination);
  out.figure("cross-polar efficiency", figures.onDish.crossPolar);
  out.figure("aperture efficiency", figures.onDish.aperture);
  printBest(figures.best, out);
  printPhase(figures, out);
  if (figures.gain)
    printBudget(*figures.gain, out);
  printRemarks(figures.remarks, figures.gain, out);
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
  if (const auto offset = readOffsetFeed(call))
    return runOffsetFeed(*offset, cosNPattern(readDecimal(call.arg(0), "cos n exponent")), {}, out);
  const double fd = readFd(call);
  const auto dish = readDish(call);
  const double n = readDecimal(call.arg(1), "cos n exponent");
  print(workOut(fd, cosNPattern(n), dish), out);
}

void runFeedBeamwidth(const Invocation &call, Report &out) {
  if (const auto offset = readOffsetFeed(call)) {
    const double n = cosNForBeamwidth(readDecimal(call.arg(0), "beamwidth"));
    return runOffsetFeed(*offset, cosNPattern(n), {{}, n, nullptr}, out);
  }
  const double fd = readFd(call);
  const auto dish = readDish(call);
  const double n = cosNForBeamwidth(readDecimal(call.arg(1), "beamwidth"));
  FeedFigures figures = workOut(fd, cosNPattern(n), dish);
  figures.equivalentN = n;
  print(figures, out);
}

void runFeedCan(const Invocation &call, Report &out) {
  if (const auto offset = readOffsetFeed(call)) {
    const LengthUnit unit = *lengthUnitFromText(call.arg(0));
    const double diameter = readDecimal(call.arg(1), "can diameter");
    const double frequency = readDecimal(call.arg(2), "frequency");
    CanFeed can = canFeed(diameter, unit, frequency, readCanModel(call));
    return runOffsetFeed(*offset, can.pattern,
                         {std::move(can.remarks), std::nullopt, canModelName(can.model)}, out);
  }
  const double fd = readFd(call);
  const auto dish = readDish(call);
  const LengthUnit unit = *lengthUnitFromText(call.arg(1));
  const double diameter = readDecimal(call.arg(2), "can diameter");
  const double frequency = readDecimal(call.arg(3), "frequency");
  CanFeed can = canFeed(diameter, unit, frequency, readCanModel(call));
  const PhaseLength length{FigureUnit{lengthWord(unit), lengthSymbol(unit)},
                           mmPerUnit(unit) * frequency / kSpeedOfLightMmMHz};
  FeedFigures figures =
      workOut(fd, std::move(can.pattern), dish, readDefocus(call, length), length);
  figures.model = canModelName(can.model);
  figures.remarks = std::move(can.remarks);
  print(figures, out);
}

void runFeedPattern(const Invocation &call, Report &out) {
  if (const auto offset = readOffsetFeed(call)) {
    FeedPattern pattern = readPatternFrom(call.arg(0), *call.in);
    return runOffsetFeed(*offset, pattern, {patternRemarks(pattern), std::nullopt, nullptr}, out);
  }
  const double fd = readFd(call);
  const auto dish = readDish(call);
  const std::optional<double> defocus = readDefocus(call, kInWavelengths);
  print(workOut(fd, readPatternFrom(call.arg(1), *call.in), dish, defocus), out);
}

} // namespace dishwright
