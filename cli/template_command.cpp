#include "cli/template_command.h"

#include "calc/common/decimal_text.h"
#include "calc/common/figure_text.h"
#include "calc/common/input_error.h"
#include "calc/page_layout/template_sheet.h"

#ifdef DISHWRIGHT_TEMPLATES
#include "paper/template_dxf.h"
#include "paper/template_writer.h"

#include <QGuiApplication>
#endif

#include <cmath>
#include <memory>
#include <ostream>
#include <stdexcept>

namespace dishwright {
namespace {

const char kTemplateUsage[] =
    "usage: dishwright-calc template rib feet|meters FD DIA [--hub H] [--freq MHZ]"
    " [--paper a4|letter|sheet] [--svg|--dxf] -o FILE\n"
    "       dishwright-calc template petal feet|meters FD DIA GORES [--freq MHZ]"
    " [--paper a4|letter|sheet] [--svg|--dxf] -o FILE\n"
    "Lengths on the template are in inches for a diameter in feet, in mm for metres;\n"
    "H, the hub radius, is in that unit. --svg writes one sheet in mm, --dxf one sheet\n"
    "in the template's unit. MHZ, the frequency, adds the gores it needs.\n";

struct Usage {}; // thrown for arguments that do not make a template command

struct Request {
  TemplateInput input;
  PaperKind paper = PaperKind::A4;
  bool paperGiven = false;
  bool svg = false;
  bool dxf = false; // one sheet in DXF, for CNC and laser software
  std::string file;
};

// Numbers are read as the input screen reads them, in double precision.
double number(const std::string &text, const char *what) { return readDecimal(text, what); }

int wholeNumber(const std::string &text, const char *what) {
  const double value = number(text, what);
  if (value != std::floor(value) || std::fabs(value) > 1e6)
    throw InputError(std::string("the ") + what + " must be a whole number");
  return static_cast<int>(value);
}

PaperKind paperNamed(const std::string &name) {
  if (name == "a4")
    return PaperKind::A4;
  if (name == "letter")
    return PaperKind::Letter;
  if (name == "sheet")
    return PaperKind::Sheet;
  throw Usage{};
}

Request parse(const std::vector<std::string> &args) {
  if (args.size() < 2 || (args[1] != "rib" && args[1] != "petal"))
    throw Usage{};
  Request r;
  const bool petal = args[1] == "petal";
  const std::size_t positional = petal ? 6 : 5;
  if (args.size() < positional || (args[2] != "feet" && args[2] != "meters"))
    throw Usage{};
  r.input.kind = petal ? TemplateKind::Petal : TemplateKind::Rib;
  r.input.metric = args[2] == "meters";
  r.input.fd = number(args[3], "f/D");
  r.input.diameter = number(args[4], "diameter");
  if (petal)
    r.input.count = wholeNumber(args[5], "number of gores");
  for (std::size_t i = positional; i < args.size(); ++i) {
    const std::string &option = args[i];
    const bool hasValue = i + 1 < args.size();
    if (option == "--svg" && !r.dxf)
      r.svg = true;
    else if (option == "--dxf" && !r.svg)
      r.dxf = true;
    else if (option == "--freq" && hasValue)
      r.input.frequencyMHz = number(args[++i], "frequency");
    else if (option == "--hub" && !petal && hasValue)
      r.input.hubRadius = number(args[++i], "hub radius");
    else if (option == "--paper" && hasValue) {
      r.paper = paperNamed(args[++i]);
      r.paperGiven = true;
    } else if (option == "-o" && hasValue && r.file.empty())
      r.file = args[++i];
    else
      throw Usage{};
  }
  if (r.file.empty())
    throw Usage{};
  return r;
}

void printFigures(const TemplateSheet &sheet, std::ostream &out) {
  const TemplateGeometry &g = sheet.geometry();
  const std::string unit = std::string(" ") + g.unitName() + "\n";
  out << "focal length: " << figureText(g.focalLength()) << unit;
  out << "depth: " << figureText(g.depth()) << unit;
  out << "rib length: " << figureText(g.ribLength()) << unit;
  if (g.isPetal()) {
    out << "gores: " << g.input().count << '\n';
    out << "gore length: " << figureText(g.goreLength()) << unit;
    out << "gore width at rim: " << figureText(g.goreWidthAtRim()) << unit;
    out << "flat gore error: " << figureText(g.flatGoreError()) << unit;
  }
  out << "pages: " << sheet.plan().pageCount() << '\n';
  if (g.wavelength() > 0)
    out << "gores for lambda/16: " << goresWithin(g.depth(), g.wavelength() / 16) << '\n';
  for (const std::string &warning : templateWarnings(g))
    out << "warning: " << warning << '\n';
}

#ifdef DISHWRIGHT_TEMPLATES
// Qt's note that it found no XDG_RUNTIME_DIR (usual in scripts and under sudo)
// would land on stderr among the errors a script reads; everything else passes.
QtMessageHandler previousHandler = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message) {
  if (!message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
    previousHandler(type, context, message);
}

// Text needs Qt's font system, hence an application object; without a display
// the offscreen platform serves, so the command runs on any terminal.
void writeFile(const TemplateSheet &sheet, const Request &r) {
  std::unique_ptr<QGuiApplication> app;
  int argc = 1;
  char name[] = "dishwright-calc", platform[] = "-platform", offscreen[] = "offscreen";
  char *argv[] = {name, platform, offscreen, nullptr};
  if (!QCoreApplication::instance()) {
    previousHandler = qInstallMessageHandler(quietHandler);
    argc = qEnvironmentVariableIsSet("QT_QPA_PLATFORM") ? 1 : 3;
    app = std::make_unique<QGuiApplication>(argc, argv);
  }
  struct RestoreHandler {
    bool installed;
    ~RestoreHandler() {
      if (installed)
        qInstallMessageHandler(previousHandler);
    }
  } restore{app != nullptr};
  const TemplatePainter pages(sheet);
  const QString path = QString::fromStdString(r.file);
  if (r.svg)
    writeTemplateSvg(pages, path);
  else if (r.dxf)
    writeTemplateDxf(pages, path);
  else
    writeTemplatePdf(pages, path);
}
#else
void writeFile(const TemplateSheet &, const Request &) {
  throw std::runtime_error("templates need the desktop build of dishwright-calc (Qt 6, "
                           "configured with DISHWRIGHT_GUI=ON)");
}
#endif

PaperKind defaultPaper() {
#ifdef DISHWRIGHT_TEMPLATES
  // Ask the locale without an application object: QLocale needs none.
  return localPaper();
#else
  return PaperKind::A4;
#endif
}

} // namespace

int runTemplateCommand(const std::vector<std::string> &args, std::ostream &out, std::ostream &err) {
  try {
    Request r = parse(args);
    if (r.svg || r.dxf)
      r.paper = PaperKind::Sheet; // an SVG or a DXF is one sheet
    else if (!r.paperGiven)
      r.paper = defaultPaper();
    const TemplateSheet sheet(r.input, r.paper);
    writeFile(sheet, r);
    printFigures(sheet, out);
    out.flush();
    return 0;
  } catch (const Usage &) {
    err << kTemplateUsage;
    return 2;
  } catch (const std::exception &e) {
    err << "error: " << e.what() << '\n';
    return 1;
  }
}

} // namespace dishwright
