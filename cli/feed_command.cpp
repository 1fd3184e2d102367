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
  const char *model = nullptr;       // a can's model, named on the first line
  FeedPhaseFigures phase;            // phase centre and efficiency, when known
  std::string lengthWord;            // the unit of the phase centre's line
  double wavelengthsPerUnit = 1;     // free-space wavelengths in one of that unit
};

// How the phase lines measure lengths: in the can's unit, or in wavelengths for
// a pattern, which has no unit of its own.
struct PhaseLength {
  const char *word;
  double wavelengthsPerUnit;
};
constexpr PhaseLength kInWavelengths{"WAVELENGTHS", 1.0};

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

// --defocus in wavelengths, when given.
std::optional<double> readDefocus(const Invocation &call, const PhaseLength &length) {
  if (!call.has("--defocus"))
    return std::nullopt;
  return readDecimal(call.values("--defocus")[0], "defocus") * length.wavelengthsPerUnit;
}

FeedFigures workOut(double fd, FeedPattern pattern, const std::optional<DishForGain> &dish,
                    std::optional<double> defocusWavelengths = std::nullopt,
                    const PhaseLength &length = kInWavelengths) {
  const FeedEfficiencies feed(std::move(pattern));
  FeedFigures figures;
  figures.onDish = feed.at(fd);
  figures.best = feed.best();
  figures.remarks = patternRemarks(feed.pattern());
  figures.phase = feedPhaseFigures(feed.pattern(), fd, defocusWavelengths);
  figures.lengthWord = length.word;
  figures.wavelengthsPerUnit = length.wavelengthsPerUnit;
  if (dish)
    figures.gain = dishGain(*dish, figures.onDish.aperture * figures.phase.efficiency.value_or(1));
  return figures;
}

// "phase centre: put the mouth 0.41 MM behind the focus", "phase efficiency: 0.99912"
void printPhase(const FeedFigures &figures, std::ostream &out) {
  if (const std::optional<PhaseCentre> &centre = figures.phase.centre) {
    const double distance = centre->meanWavelengths / figures.wavelengthsPerUnit;
    out << "phase centre: put the " << (figures.model ? "mouth " : "reference point ")
        << fig(std::abs(distance)) << ' ' << figures.lengthWord
        << (distance < 0 ? " behind" : " in front of") << " the focus\n";
  }
  if (figures.phase.efficiency)
    out << "phase efficiency: " << fig(*figures.phase.efficiency) << '\n';
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
  if (figures.model)
    out << "model: " << figures.model << '\n';
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
  printPhase(figures, out);
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
  const CanModel model =
      call.has("--model") ? *canModelFromText(call.values("--model")[0]) : CanModel::Simulated;
  CanFeed can = canFeed(diameter, unit, frequency, model);
  const PhaseLength length{lengthWord(unit), mmPerUnit(unit) * frequency / kSpeedOfLightMmMHz};
  FeedFigures figures =
      workOut(fd, std::move(can.pattern), dish, readDefocus(call, length), length);
  figures.model = canModelName(can.model);
  figures.remarks = std::move(can.remarks);
  print(figures, out);
}

void runFeedPattern(const Invocation &call, std::ostream &out) {
  const double fd = readFd(call);
  const auto dish = readDish(call);
  const std::optional<double> defocus = readDefocus(call, kInWavelengths);
  print(workOut(fd, readPatternFrom(call.arg(1), *call.in), dish, defocus), out);
}

} // namespace dishwright
