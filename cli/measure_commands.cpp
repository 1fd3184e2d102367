#include "cli/commands.h"

#include "cli/line_input.h"

#include "calc/common/decimal_text.h"
#include "calc/common/figure_text.h"
#include "calc/common/input_error.h"
#include "calc/common/length_unit.h"
#include "calc/physics/can_check.h"
#include "calc/physics/dish_measure.h"
#include "calc/physics/surface_fit.h"

#include <iostream>
#include <string_view>

namespace dishwright {
namespace {

std::string fig(double value) { return figureText(value, kMeasuredDigits); }

// The length unit the command's first argument names (the table allows only these).
LengthUnit unitOf(const Invocation &call) { return *lengthUnitFromText(call.arg(0)); }

void printBothUnits(std::ostream &out, const char *key, double length, LengthUnit unit) {
  out << key << ": " << fig(convertLength(length, unit, LengthUnit::Inch)) << " INCHES "
      << fig(convertLength(length, unit, LengthUnit::Cm)) << " CM\n";
}

} // namespace

void runMeasurePrime(const Invocation &call, std::ostream &out) {
  const LengthUnit unit = unitOf(call);
  const double diameter = readDecimal(call.arg(1), "diameter");
  const double depth = readDecimal(call.arg(2), "depth");
  const PrimeFocusDish dish = measurePrimeFocus(diameter, depth);
  out << "focal length: " << fig(dish.focalLength) << ' ' << lengthWord(unit) << '\n';
  out << "f/D: " << fig(dish.fd) << '\n';
  out << "rim angle: " << fig(dish.rimAngleDeg) << " DEGREES\n";
  out << "rim illumination loss: " << fig(dish.rimLossDb) << " DB\n";
}

void runMeasureOffset(const Invocation &call, std::ostream &out) {
  const LengthUnit unit = unitOf(call);
  const double width = readDecimal(call.arg(1), "width");
  const double height = readDecimal(call.arg(2), "height");
  const double depth = readDecimal(call.arg(3), "depth");
  const OffsetDish dish = measureOffset(width, height, depth);
  const char *word = lengthWord(unit);
  if (dish.axesSwapped)
    out << "note: the larger size, " << plainFigureText(dish.height) << ' ' << word
        << ", is taken as the height (long axis), " << plainFigureText(dish.width) << ' ' << word
        << " as the width\n";
  out << "focal length: " << fig(dish.focalLength) << ' ' << word << '\n';
  out << "offset angle: " << fig(dish.offsetAngleDeg) << " DEGREES\n";
  out << "equivalent f/D (for choosing the feed): " << fig(dish.fd) << '\n';
  out << "focus to near rim: " << fig(dish.focusToNearRim) << ' ' << word << '\n';
  out << "focus to far rim: " << fig(dish.focusToFarRim) << ' ' << word << '\n';
  out << "feed half-angle: " << fig(dish.feedHalfAngleDeg) << " DEGREES\n";
  out << "feed aim point from near rim: " << fig(dish.aimFromNearRim) << ' ' << word << '\n';
  out << "note: the near rim is the end of the long axis nearer the feed, usually the edge the "
         "feed arm is fixed to\n";
}

void runMeasureFit(const Invocation &call, std::ostream &out) {
  const LengthUnit unit = unitOf(call);
  const bool withFrequency = call.hasArg(1);
  const double frequency = withFrequency ? readDecimal(call.arg(1), "frequency") : 0;
  // Line by line: the first bad line ends the reading, however long the input.
  LineInput input(*call.in, "standard input");
  SurfaceReader reader;
  for (std::string line; input.next(line);)
    reader.addLine(line);
  const SurfaceFit fit = fitSurface(reader.takePoints(), unit);
  out << "points: " << fit.points << '\n';
  out << "focal length: " << fig(fit.focalLength) << ' ' << lengthWord(unit) << '\n';
  out << "surface error: " << fig(fit.rmsError) << ' ' << lengthWord(unit) << '\n';
  if (fit.rmsError > 0)
    out << "1 dB loss at: " << fig(fit.oneDbLossMHz) << " MHZ\n";
  else
    out << "1 dB loss at: never, no loss at any frequency\n";
  if (withFrequency)
    out << "gain loss: " << fig(surfaceLossDb(fit.rmsError, unit, frequency)) << " DB\n";
}

void runCanCheck(const Invocation &call, std::ostream &out) {
  const LengthUnit unit = unitOf(call);
  const double diameter = readDecimal(call.arg(1), "diameter");
  const double frequency = readDecimal(call.arg(2), "frequency");
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

} // namespace dishwright
