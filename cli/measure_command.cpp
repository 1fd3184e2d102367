#include "cli/measure_command.h"

#include "calc/common/decimal_text.h"
#include "calc/common/figure_text.h"
#include "calc/common/input_error.h"
#include "calc/common/length_unit.h"
#include "calc/physics/can_check.h"
#include "calc/physics/dish_measure.h"
#include "calc/physics/surface_fit.h"

#include <iostream>
#include <iterator>
#include <string_view>

namespace dishwright {
namespace {

const char kUsage[] =
    "usage: dishwright-calc measure prime in|cm|mm DIA DEPTH\n"
    "       dishwright-calc measure offset in|cm|mm WIDTH HEIGHT DEPTH\n"
    "       dishwright-calc measure fit in|cm|mm [FREQ]   \"r z\" lines on standard input\n"
    "       dishwright-calc can-check in|cm|mm DIAMETER FREQ\n"
    "Sizes are in the unit named, FREQ in MHz.\n";

// Five significant digits: the precision a tape measure and a ruler give.
constexpr int kDigits = 5;

std::string fig(double value) { return figureText(value, kDigits); }

const char *unitWord(LengthUnit unit) {
  switch (unit) {
  case LengthUnit::Inch:
    return "INCHES";
  case LengthUnit::Cm:
    return "CM";
  case LengthUnit::Mm:
    break;
  }
  return "MM";
}

void runPrime(const std::vector<std::string> &a, LengthUnit unit, std::ostream &out) {
  const double diameter = readDecimal(a[3], "diameter"), depth = readDecimal(a[4], "depth");
  const PrimeFocusDish dish = measurePrimeFocus(diameter, depth);
  out << "focal length: " << fig(dish.focalLength) << ' ' << unitWord(unit) << '\n';
  out << "f/D: " << fig(dish.fd) << '\n';
  out << "rim angle: " << fig(dish.rimAngleDeg) << " DEGREES\n";
  out << "rim illumination loss: " << fig(dish.rimLossDb) << " DB\n";
}

void runOffset(const std::vector<std::string> &a, LengthUnit unit, std::ostream &out) {
  const double width = readDecimal(a[3], "width"), height = readDecimal(a[4], "height"),
               depth = readDecimal(a[5], "depth");
  const OffsetDish dish = measureOffset(width, height, depth);
  out << "focal length: " << fig(dish.focalLength) << ' ' << unitWord(unit) << '\n';
  out << "offset angle: " << fig(dish.offsetAngleDeg) << " DEGREES\n";
  out << "f/D: " << fig(dish.fd) << '\n';
}

void runFit(const std::vector<std::string> &a, LengthUnit unit, std::istream &in,
            std::ostream &out) {
  const bool withFrequency = a.size() == 4;
  const double frequency = withFrequency ? readDecimal(a[3], "frequency") : 0;
  const std::string text(std::istreambuf_iterator<char>(in), {});
  const SurfaceFit fit = fitSurface(parseSurfacePoints(text), unit);
  out << "points: " << fit.points << '\n';
  out << "focal length: " << fig(fit.focalLength) << ' ' << unitWord(unit) << '\n';
  out << "surface error: " << fig(fit.rmsError) << ' ' << unitWord(unit) << '\n';
  if (fit.rmsError > 0)
    out << "1 dB loss at: " << fig(fit.oneDbLossMHz) << " MHZ\n";
  else
    out << "1 dB loss at: never, every point lies on the parabola\n";
  if (withFrequency)
    out << "gain loss: " << fig(surfaceLossDb(fit.rmsError, unit, frequency)) << " DB\n";
}

void printBothUnits(std::ostream &out, const char *key, double length, LengthUnit unit) {
  out << key << ": " << fig(convertLength(length, unit, LengthUnit::Inch)) << " INCHES "
      << fig(convertLength(length, unit, LengthUnit::Cm)) << " CM\n";
}

void runCanCheck(const std::vector<std::string> &a, LengthUnit unit, std::ostream &out) {
  const double diameter = readDecimal(a[2], "diameter"), frequency = readDecimal(a[3], "frequency");
  const CanCutoffs cutoffs = canCutoffs(diameter, unit);
  out << "TE11 cutoff: " << fig(cutoffs.te11MHz) << " MHZ\n";
  out << "TM01 cutoff: " << fig(cutoffs.tm01MHz) << " MHZ\n";
  const CanCheck can = checkCan(diameter, unit, frequency);
  printBothUnits(out, "guide wavelength", can.guideWavelength, unit);
  printBothUnits(out, "probe position", can.probePosition, unit);
  printBothUnits(out, "probe length", can.probeLength, unit);
  printBothUnits(out, "shortest can", can.shortestCan, unit);
  for (const std::string &warning : canWarnings(can))
    out << "warning: " << warning << '\n';
}

// Runs a well-formed command; false when the form is wrong.
bool dispatch(const std::vector<std::string> &a, std::istream &in, std::ostream &out) {
  const std::size_t n = a.size();
  if (a[0] == "can-check") {
    const auto unit = n == 4 ? lengthUnitFromText(a[1]) : std::nullopt;
    if (unit)
      runCanCheck(a, *unit, out);
    return unit.has_value();
  }
  const std::string_view kind = n > 1 ? std::string_view(a[1]) : std::string_view();
  const auto unit = n > 2 ? lengthUnitFromText(a[2]) : std::nullopt;
  if (!unit)
    return false;
  if (kind == "prime" && n == 5)
    runPrime(a, *unit, out);
  else if (kind == "offset" && n == 6)
    runOffset(a, *unit, out);
  else if (kind == "fit" && (n == 3 || n == 4))
    runFit(a, *unit, in, out);
  else
    return false;
  return true;
}

} // namespace

std::optional<int> runMeasureCommand(const std::vector<std::string> &args, std::istream &in,
                                     std::ostream &out, std::ostream &err) {
  if (args.empty() || (args[0] != "measure" && args[0] != "can-check"))
    return std::nullopt;
  try {
    if (!dispatch(args, in, out)) {
      err << kUsage;
      return 2;
    }
  } catch (const InputError &e) {
    out.flush();
    err << "error: " << e.what() << '\n';
    return 1;
  }
  out.flush();
  return 0;
}

std::optional<int> runMeasureCommand(const std::vector<std::string> &args, std::ostream &out,
                                     std::ostream &err) {
  return runMeasureCommand(args, std::cin, out, err);
}

} // namespace dishwright
