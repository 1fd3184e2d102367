#include "cli/commands.h"

#include "cli/line_input.h"

#include "calc/common/decimal_text.h"
#include "calc/common/figure_text.h"
#include "calc/common/input_error.h"
#include "calc/common/length_unit.h"
#include "calc/physics/can_check.h"
#include "calc/physics/dish_measure.h"
#include "calc/physics/surface_fit.h"

#include <string_view>

namespace dishwright {
namespace {

// The length unit the command's first argument names (the table allows only these).
LengthUnit unitOf(const Invocation &call) { return *lengthUnitFromText(call.arg(0)); }

// The unit the core names for `unit` ("INCHES", "CM", "MM").
FigureUnit figureUnit(LengthUnit unit) { return unitOfWord(lengthWord(unit)); }

// "label: X INCHES Y CM", keys "<label's key>_in" and "_cm".
void printBothUnits(Report &out, const char *label, double length, LengthUnit unit) {
  const std::string key = keyOfLabel(label);
  out.line(label,
           {figurePart(Figure::number(key + "_in", convertLength(length, unit, LengthUnit::Inch),
                                      kInches, kMeasuredDigits)),
            figurePart(Figure::number(key + "_cm", convertLength(length, unit, LengthUnit::Cm),
                                      kCentimetres, kMeasuredDigits))});
}

} // namespace

void runMeasurePrime(const Invocation &call, Report &out) {
  const LengthUnit unit = unitOf(call);
  const double diameter = readDecimal(call.arg(1), "diameter");
  const double depth = readDecimal(call.arg(2), "depth");
  const PrimeFocusDish dish = measurePrimeFocus(diameter, depth);
  out.figure("focal length", dish.focalLength, figureUnit(unit));
  out.figure("f/D", dish.fd);
  out.figure("rim angle", dish.rimAngleDeg, kDegrees);
  out.figure("rim illumination loss", dish.rimLossDb, kDecibels);
}

void runMeasureOffset(const Invocation &call, Report &out) {
  const LengthUnit unit = unitOf(call);
  const double width = readDecimal(call.arg(1), "width");
  const double height = readDecimal(call.arg(2), "height");
  const double depth = readDecimal(call.arg(3), "depth");
  const OffsetDish dish = measureOffset(width, height, depth);
  const std::string word = lengthWord(unit);
  const FigureUnit length = figureUnit(unit);
  if (dish.axesSwapped)
    out.note("the larger size, " + plainFigureText(dish.height) + ' ' + word +
             ", is taken as the height (long axis), " + plainFigureText(dish.width) + ' ' + word +
             " as the width");
  out.figure("focal length", dish.focalLength, length);
  out.figure("offset angle", dish.offsetAngleDeg, kDegrees);
  out.figure({"equivalent f/D (for choosing the feed)", "equivalent_fd"}, dish.fd);
  out.figure("focus to near rim", dish.focusToNearRim, length);
  out.figure("focus to far rim", dish.focusToFarRim, length);
  out.figure("feed half-angle", dish.feedHalfAngleDeg, kDegrees);
  out.figure("feed aim point from near rim", dish.aimFromNearRim, length);
  out.note("the near rim is the end of the long axis nearer the feed, usually the edge the feed "
           "arm is fixed to");
}

void runMeasureFit(const Invocation &call, Report &out) {
  const LengthUnit unit = unitOf(call);
  const bool withFrequency = call.hasArg(1);
  const double frequency = withFrequency ? readDecimal(call.arg(1), "frequency") : 0;
  // Line by line: the first bad line ends the reading, however long the input.
  LineInput input(*call.in, "standard input");
  SurfaceReader reader;
  for (std::string line; input.next(line);)
    reader.addLine(line);
  const SurfaceFit fit = fitSurface(reader.takePoints(), unit);
  out.count("points", static_cast<long long>(fit.points));
  out.figure("focal length", fit.focalLength, figureUnit(unit));
  out.figure("surface error", fit.rmsError, figureUnit(unit));
  if (fit.rmsError > 0)
    out.figure("1 dB loss at", fit.oneDbLossMHz, kMegahertz);
  else // no finite frequency: JSON null, an empty CSV value
    out.line("1 dB loss at",
             Figure::none("1_db_loss_at", "never, no loss at any frequency", kMegahertz));
  if (withFrequency)
    out.figure("gain loss", surfaceLossDb(fit.rmsError, unit, frequency), kDecibels);
}

void runCanCheck(const Invocation &call, Report &out) {
  const LengthUnit unit = unitOf(call);
  const double diameter = readDecimal(call.arg(1), "diameter");
  const double frequency = readDecimal(call.arg(2), "frequency");
  const CanCutoffs cutoffs = canCutoffs(diameter, unit);
  out.figure("TE11 cutoff", cutoffs.te11MHz, kMegahertz);
  out.figure("TM01 cutoff", cutoffs.tm01MHz, kMegahertz);
  const CanCheck can = checkCan(diameter, unit, frequency);
  printBothUnits(out, "guide wavelength", can.guideWavelength, unit);
  printBothUnits(out, "probe position", can.probePosition, unit);
  printBothUnits(out, "probe length", can.probeLength, unit);
  printBothUnits(out, "shortest can", can.shortestCan, unit);
  for (const std::string &warning : canWarnings(can))
    out.warning(warning);
}

} // namespace dishwright
