// The functions the command table runs, one a subcommand. Each reads its
// arguments (numbers as the input screen reads them), works out its figures and
// writes them to `out`; bad input throws (CalcError, InputError or another
// std::exception with the reason), and the caller says so.
#pragma once

#include "cli/command_table.h"

#include <string>

namespace dishwright {

// The calculation screens, the print screens and the coffee-can screen.
void runFeet(const Invocation &call, std::ostream &out);
void runMeters(const Invocation &call, std::ostream &out);
void runPrint(const Invocation &call, std::ostream &out);
void runCan(const Invocation &call, std::ostream &out);

// The builder's tools.
void runMeasurePrime(const Invocation &call, std::ostream &out);
void runMeasureOffset(const Invocation &call, std::ostream &out);
void runMeasureFit(const Invocation &call, std::ostream &out);
void runCanCheck(const Invocation &call, std::ostream &out);
void runRibTemplate(const Invocation &call, std::ostream &out);
void runPetalTemplate(const Invocation &call, std::ostream &out);
void runSunPredict(const Invocation &call, std::ostream &out);
void runSunMeasure(const Invocation &call, std::ostream &out);
void runSunFlux(const Invocation &call, std::ostream &out);

// The lines under the sun commands' usage: units, where the flux comes from (the
// observatories' frequencies as the core lists them) and how the options combine.
std::string sunNote();

// A feed on a prime-focus dish: cos^n, by its beamwidth, an open can, or a
// listed pattern from a file or standard input.
void runFeedCos(const Invocation &call, std::ostream &out);
void runFeedBeamwidth(const Invocation &call, std::ostream &out);
void runFeedCan(const Invocation &call, std::ostream &out);
void runFeedPattern(const Invocation &call, std::ostream &out);

} // namespace dishwright
