// The functions the command table runs, one a subcommand. Each reads its
// arguments (numbers as the input screen reads them), works out its figures and
// reports them to `out` (report.h); bad input throws (CalcError, InputError or another
// std::exception with the reason), and the caller says so.
#pragma once

#include "cli/command_table.h"
#include "cli/report.h"

#include <string>

namespace dishwright {

// The calculation screens, the print screens and the coffee-can screen.
void runFeet(const Invocation &call, Report &out);
void runMeters(const Invocation &call, Report &out);
void runPrint(const Invocation &call, Report &out);
void runCan(const Invocation &call, Report &out);

// The builder's tools.
void runMeasurePrime(const Invocation &call, Report &out);
void runMeasureOffset(const Invocation &call, Report &out);
void runMeasureFit(const Invocation &call, Report &out);
void runCanCheck(const Invocation &call, Report &out);
void runRibTemplate(const Invocation &call, Report &out);
void runPetalTemplate(const Invocation &call, Report &out);
void runSunPredict(const Invocation &call, Report &out);
void runSunMeasure(const Invocation &call, Report &out);
void runSunFlux(const Invocation &call, Report &out);

// The lines under the sun commands' usage: units, where the flux comes from (the
// observatories' frequencies as the core lists them) and how the options combine.
std::string sunNote();

// A feed on a prime-focus dish: cos^n, by its beamwidth, an open can, or a
// listed pattern from a file or standard input.
void runFeedCos(const Invocation &call, Report &out);
void runFeedBeamwidth(const Invocation &call, Report &out);
void runFeedCan(const Invocation &call, Report &out);
void runFeedPattern(const Invocation &call, Report &out);

} // namespace dishwright
