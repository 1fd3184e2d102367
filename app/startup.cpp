#include "app/startup.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace dishwright {
namespace {

// The platform plugin reports an unreachable display as a fatal message, after
// warnings of its own; the user gets this one line instead.
void quitWithoutDisplay(QtMsgType type, const QMessageLogContext &, const QString &) {
  if (type != QtFatalMsg)
    return; // the plugin's own warnings say the same at length
  std::fputs("dishwright: no display to show the program on (is DISPLAY or WAYLAND_DISPLAY "
             "set?); dishwright-calc works without one\n",
             stderr);
  std::_Exit(1);
}

} // namespace

StartOptions handleOptions(int argc, char **argv) {
  QCoreApplication options(argc, argv); // no display needed to answer them
  QCoreApplication::setApplicationName(QStringLiteral("dishwright"));
  QCoreApplication::setApplicationVersion(QStringLiteral(DISHWRIGHT_VERSION));
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("A calculator for microwave dish antennas and coffee-can feeds.\n"
                     "dishwright-calc runs the same calculations in a terminal."));
  parser.addHelpOption();
  // -V as well as -v, as dishwright-calc takes them.
  const QCommandLineOption version(
      {QStringLiteral("v"), QStringLiteral("V"), QStringLiteral("version")},
      QStringLiteral("Displays version information."));
  parser.addOption(version);
  const QCommandLineOption fresh(
      QStringLiteral("fresh"),
      QStringLiteral("Starts as on the first run: without the last design, inputs, window "
                     "places and recent files, which stay remembered for the next run."));
  parser.addOption(fresh);
  parser.addPositionalArgument(QStringLiteral("FILE"),
                               QStringLiteral("A design file (.dish) to open."),
                               QStringLiteral("[FILE]"));
  parser.process(options); // prints and exits for --help and bad options
  if (parser.isSet(version)) {
    std::printf("dishwright %s\n", DISHWRIGHT_VERSION);
    std::exit(0);
  }
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) {
    std::fputs("dishwright: give one design file at most\n", stderr);
    std::exit(1);
  }
  return {parser.isSet(fresh), files.value(0)};
}

DisplayGuard::DisplayGuard() { qInstallMessageHandler(quitWithoutDisplay); }

DisplayGuard::~DisplayGuard() { qInstallMessageHandler(nullptr); }

} // namespace dishwright
