#include "cli/cli.h"

#include "calc/screen_rules/calc_error.h"
#include "cli/command_completion.h"
#include "cli/command_table.h"
#include "cli/commands.h"
#include "cli/design_option.h"
#include "cli/held_output.h"
#include "cli/report.h"
#include "files/held_files.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>

namespace dishwright {
namespace {

constexpr const char *kProgram = "dishwright-calc";
// Not in the usage: the build asks it for the script it installs.
constexpr const char *kCompletionOption = "--completion";
constexpr const char *kDishOptions =
    "[--dish feet|meters DIAMETER FREQ] [--blockage B] [--rms E] [--struts N WIDTH] [--vswr V] "
    "[--return-loss DB] [--mesh SIZE WIRE]";
constexpr const char *kCanOptions =
    "[--dish feet|meters DIAMETER FREQ] [--blockage B] [--rms E] [--struts N WIDTH] [--vswr V] "
    "[--return-loss DB] [--mesh SIZE WIRE] [--model can|open-waveguide] [--defocus D]";
constexpr const char *kPatternOptions =
    "[--dish feet|meters DIAMETER FREQ] [--blockage B] [--rms E] [--struts N WIDTH] [--vswr V] "
    "[--return-loss DB] [--mesh SIZE WIRE] [--defocus D]";
// An offset dish has no FD: its sizes give it, and its width the diameter.
constexpr const char *kOffsetFeedOptions =
    "--offset in|cm|mm WIDTH HEIGHT DEPTH [--aim DEG] [--freq FREQ] [--blockage B] [--rms E] "
    "[--struts N WIDTH] [--vswr V] [--return-loss DB] [--mesh SIZE WIRE]";
constexpr const char *kOffsetCanOptions =
    "--offset in|cm|mm WIDTH HEIGHT DEPTH [--aim DEG] [--freq FREQ] [--blockage B] [--rms E] "
    "[--struts N WIDTH] [--vswr V] [--return-loss DB] [--mesh SIZE WIRE] "
    "[--model can|open-waveguide]";

// clang-format off
const CommandTable &commands() {
  static const std::string sunNoteText = sunNote();
  static const CommandTable table(kProgram, {
    // form                                        options, help, what runs it
    {"feet FD DIA FREQ",                           "", "figures and profile, DIA in feet", runFeet},
    {"meters FD DIA FREQ",                         "", "figures and profile, DIA in metres", runMeters},
    {"print feet|meters FD DIA",                   "", "the profile of the print screen", runPrint},
    {"can FREQ",                                   "", "the coffee-can feed", runCan},
    {"template rib feet|meters FD DIA",            "[--hub H] [--freq MHZ] [--paper a4|letter|sheet] [--svg] [--dxf] -o FILE",
                                                   "a full-scale rib template", runRibTemplate},
    {"template petal feet|meters FD DIA GORES",    "[--freq MHZ] [--paper a4|letter|sheet] [--svg] [--dxf] -o FILE",
                                                   "full-scale petal (gore) templates", runPetalTemplate},
    {"measure prime in|cm|mm DIA DEPTH",           "", "a prime-focus dish you own", runMeasurePrime},
    {"measure offset in|cm|mm WIDTH HEIGHT DEPTH", "", "an offset dish you own", runMeasureOffset},
    {"measure fit in|cm|mm [FREQ]",                "", "its surface, \"r z\" lines on standard input",
                                                   runMeasureFit},
    {"can-check in|cm|mm DIAMETER FREQ",           "", "the can you own", runCanCheck},
    {"feed FD cos N",                              kDishOptions, "a cos^N feed on a dish of f/D FD",
                                                   runFeedCos},
    {"feed FD beamwidth DEGREES",                  kDishOptions, "a feed by its -10 dB beamwidth",
                                                   runFeedBeamwidth},
    {"feed FD can in|cm|mm DIAMETER FREQ",         kCanOptions, "an open can (TE11) as the feed",
                                                   runFeedCan},
    {"feed FD pattern FILE|-",                     kPatternOptions,
                                                   "a listed pattern, \"angle E [H]\" lines",
                                                   runFeedPattern},
    {"feed cos N",                                 kOffsetFeedOptions, "a cos^N feed on an offset dish",
                                                   runFeedCos},
    {"feed beamwidth DEGREES",                     kOffsetFeedOptions, "a feed by its beamwidth, offset dish",
                                                   runFeedBeamwidth},
    {"feed can in|cm|mm DIAMETER FREQ",            kOffsetCanOptions, "an open can on an offset dish",
                                                   runFeedCan},
    {"feed pattern FILE|-",                        kOffsetFeedOptions, "a listed pattern on an offset dish",
                                                   runFeedPattern},
    {"sun predict GAIN_DBI TSYS_K FREQ FLUX",      "[--beamwidth DEG]",
                                                   "the sun noise a dish should show", runSunPredict},
    {"sun measure Y_DB FREQ FLUX",                 "[--beamwidth DEG] [--dish feet|meters DIAMETER] [--tsys K]",
                                                   "G/T, gain and efficiency from the sun noise", runSunMeasure},
    {"sun flux FREQ F1 S1 F2 S2",                  "", "the sun's flux between two observatory figures",
                                                   runSunFlux},
  }, {
    {"template", "Lengths on the template are in inches for a diameter in feet, in mm for metres;\n"
                 "H, the hub radius, is in that unit. The name of FILE says what is written:\n"
                 ".pdf pages on --paper, .svg one sheet in mm, .dxf one sheet in the template's\n"
                 "unit; --svg or --dxf, when given, must agree with it. --freq gives the gores a\n"
                 "frequency needs.\n"},
    {"measure", "Sizes are in the unit named, FREQ in MHz. In measure offset, WIDTH and HEIGHT\n"
                "may come in either order (the larger is the height); the near rim is the end of\n"
                "the long axis nearer the feed, usually the edge the feed arm is fixed to.\n"},
    {"feed", "In feed, N is the power of cos, DEGREES the full angle between the -10 dB points,\n"
             "DIAMETER the can's inside diameter in the unit named; FILE (- for standard input)\n"
             "lists \"angle E H\" lines: degrees off the axis from 0, E- and H-plane levels in dB.\n"
             "--dish gives the dish's DIAMETER in feet or metres and FREQ in MHz for its gain;\n"
             "B, the feed's blocking diameter, E, the RMS error of its surface, WIDTH of each of\n"
             "N struts from the rim to the feed, and SIZE (centre to centre) and WIRE of a mesh\n"
             "surface are in inches for a dish in feet or inches, in mm otherwise. V is the\n"
             "feed's VSWR, DB its return loss. --offset gives an offset dish as measure offset\n"
             "takes it (no FD); DEG aims the feed that far toward the far rim from the aim\n"
             "point; --freq gives the frequency in MHz for the gain of its width.\n"
             "--model picks the can's model: can, real cans from full-wave simulations (the\n"
             "default), or open-waveguide, the aperture formula. A pattern\n"
             "may list phases (degrees) as a 4th and 5th column. --defocus moves the feed D\n"
             "toward the dish from where the phase centre line puts it (D in the can's unit,\n"
             "in wavelengths for a pattern) and gives the phase efficiency there.\n"},
    {"sun", sunNoteText.c_str()},
  },
    "       dishwright-calc COMMAND --help\n"
    "       dishwright-calc --help | -h | --version | -V | -v\n"
    "FD is the focal length over the diameter, FREQ is in MHz. Every number is read\n"
    "as the input screen reads it: \" 4 \", \"4.5e1\" and \"-2\" are numbers.\n"
    "Every command takes --format text|csv|json: its figures as lines (text, the\n"
    "default), as CSV rows or as one JSON object; warnings and notes go to standard\n"
    "error. An option's value may be joined to it (--hub=2, -orib.pdf); -- ends the\n"
    "options, so that every argument after it is an operand.\n"
    "--design FILE gives feet, meters, print, can, template and feed the design\n"
    "saved in FILE by dishwright (FD, DIA, its unit and FREQ) in place of typed ones.\n",
    "[--format text|csv|json]");
  return table;
}
// clang-format on

bool isHelp(const std::string &arg) { return arg == "--help" || arg == "-h"; }
bool isVersion(const std::string &arg) { return arg == "--version" || arg == "-V" || arg == "-v"; }

// COMMAND ... --help anywhere before "--": the usage of that command's group.
bool asksGroupHelp(const std::vector<std::string> &args) {
  if (args.size() < 2 || !commands().hasGroup(args[0]))
    return false;
  const auto end = std::find(args.begin(), args.end(), "--");
  return std::any_of(args.begin() + 1, end, isHelp);
}

// A usage error: what was wrong, then the usage of the command meant; for a
// command or an option that does not exist, one line and where the usage is.
void sayUsageError(const UsageError &e, std::ostream &err) {
  if (!e.brief()) {
    err << kProgram << ": " << e.what() << "\n\n" << commands().usage(e.group());
    return;
  }
  err << "error: " << e.what() << '\n'
      << "try '" << kProgram << (e.group().empty() ? "" : " " + e.group()) << " --help'\n";
}

// "error: <kind>", then what failed: the kind's words stay first for scripts.
std::string errorLine(const CalcError &e) {
  std::string line = std::string("error: ") + kindName(e.kind());
  if (!e.detail().empty())
    line += (e.readingField() ? ": " : " ") + e.detail();
  return line;
}

// The format --format names (the table allows only these words); text without it.
ReportFormat formatOf(const Invocation &call) {
  return call.has("--format") ? *reportFormatNamed(call.values("--format")[0]) : ReportFormat::Text;
}

// Runs the command into `held`, its warnings and notes into `remarks`; its exit status.
int runCommand(const std::vector<std::string> &args, std::istream &in, HeldOutput &held,
               std::vector<Remark> &remarks, std::ostream &err) {
  if (args.size() == 1 && isHelp(args[0])) {
    held << commands().usage();
    return 0;
  }
  if (asksGroupHelp(args)) {
    held << commands().usage(args[0]);
    return 0;
  }
  if (args.size() == 1 && isVersion(args[0])) {
    held << kProgram << ' ' << DISHWRIGHT_VERSION << '\n';
    return 0;
  }
  if (args.size() == 2 && args[0] == kCompletionOption && args[1] == "bash") {
    held << bashCompletion(commands());
    return 0;
  }
  try {
    auto [row, call] = commands().parse(withDesignArguments(args));
    call.in = &in;
    Report report(formatOf(call), held);
    row->run(call, report);
    report.finish();
    remarks = report.remarks();
    if (!held)
      throw std::runtime_error("cannot hold the output: the temporary file could not be written");
  } catch (const UsageError &e) {
    sayUsageError(e, err);
    return 2;
  } catch (const CalcError &e) {
    err << errorLine(e) << '\n';
    return 1;
  } catch (const std::exception &e) { // InputError and the writers' failures
    err << "error: " << e.what() << '\n';
    return 1;
  }
  return 0;
}

} // namespace

// All or nothing, in this order: the command runs with its figures and files held
// back; the figures go out; only then are the files put in place. A failure at any
// step leaves every old file as it was (the held files are dropped).
int runCli(const std::vector<std::string> &args, std::istream &in, std::ostream &out,
           std::ostream &err) {
  HeldFiles files;
  HeldOutput held;
  std::vector<Remark> remarks;
  if (const int status = runCommand(args, in, held, remarks, err); status != 0)
    return status;
  errno = 0;
  const bool readBack = held.release(out);
  out.flush();
  if (!readBack || !out) { // as coreutils do: output that did not arrive is an error
    const char *cause = !readBack    ? "the temporary file could not be read back"
                        : errno != 0 ? std::strerror(errno)
                                     : "the write failed";
    err << "error: cannot write the output: " << cause << '\n';
    return 1;
  }
  // The warnings and notes that go with the figures, once the figures are out: on
  // standard error, in the order the command gave them, whatever the format.
  for (const Remark &remark : remarks)
    err << remark.line() << '\n';
  try {
    files.commit();
  } catch (const std::exception &e) {
    err << "error: " << e.what() << '\n';
    return 1;
  }
  return 0;
}

int runCli(const std::vector<std::string> &args, std::ostream &out, std::ostream &err) {
  return runCli(args, std::cin, out, err);
}

} // namespace dishwright
