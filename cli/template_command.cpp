#include "cli/commands.h"

#include "calc/common/decimal_text.h"
#include "calc/common/figure_text.h"
#include "calc/common/input_error.h"
#include "calc/common/shown_text.h"
#include "calc/page_layout/local_paper.h"
#include "calc/page_layout/template_sheet.h"

#ifdef DISHWRIGHT_TEMPLATES
#include "paper/file_name.h"
#include "paper/template_dxf.h"
#include "paper/template_writer.h"

#include <QGuiApplication>
#endif

#include <cctype>
#include <cmath>
#include <memory>
#include <stdexcept>

namespace dishwright {
namespace {

// What is written: pages as PDF, or one sheet as SVG (in mm) or DXF (in the
// template's unit) for cutters and CNC software.
enum class FileKind { Pdf, Svg, Dxf };

struct Request {
  TemplateInput input;
  PaperKind paper = PaperKind::A4;
  bool paperGiven = false;
  FileKind kind = FileKind::Pdf;
  std::string file;
};

struct FileKindName {
  FileKind kind;
  const char *suffix; // as the file's name ends, in any case
  const char *flag;   // the option that asks for it, "" for none
  const char *name;
};
constexpr FileKindName kFileKinds[] = {{FileKind::Pdf, ".pdf", "", "PDF"},
                                       {FileKind::Svg, ".svg", "--svg", "SVG"},
                                       {FileKind::Dxf, ".dxf", "--dxf", "DXF"}};

const FileKindName &named(FileKind kind) { return kFileKinds[static_cast<int>(kind)]; }

// The extension of the file's own name ("" when it has none), in lower case.
std::string extension(const std::string &file) {
  const std::string name = file.substr(file.find_last_of('/') + 1);
  const auto dot = name.find_last_of('.');
  if (dot == std::string::npos || dot == 0)
    return {};
  std::string suffix = name.substr(dot);
  for (char &c : suffix)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return suffix;
}

// The file's kind follows its name, so that every program opens it as what it
// is; a flag may say the same, or choose for a name without an extension (PDF
// when none is given). A flag that contradicts the name is refused.
FileKind fileKind(const Invocation &call, const std::string &file) {
  const bool svg = call.has("--svg"), dxf = call.has("--dxf");
  if (svg && dxf)
    throw InputError("--svg and --dxf each write one file: give one of them");
  const FileKind asked = svg ? FileKind::Svg : dxf ? FileKind::Dxf : FileKind::Pdf;
  const std::string suffix = extension(file);
  if (suffix.empty())
    return asked;
  for (const FileKindName &k : kFileKinds) {
    if (suffix != k.suffix)
      continue;
    if ((svg || dxf) && asked != k.kind)
      throw InputError(std::string(named(asked).flag) + " asks for " + named(asked).name + " but " +
                       file + " is named as " + k.name + ": name the file " + named(asked).suffix +
                       " or leave " + named(asked).flag + " out");
    return k.kind;
  }
  throw InputError("the name " + file +
                   " does not say PDF, SVG or DXF: end it in .pdf, .svg or .dxf");
}

// Numbers are read as the input screen reads them, in double precision.
double number(const std::string &text, const char *what) { return readDecimal(text, what); }

// More gores than this make slivers no one cuts; the limit also keeps the count
// inside an int.
constexpr double kMostGores = 10000;

int goreCount(const std::string &text) {
  const double value = number(text, "number of gores");
  if (value > kMostGores)
    throw InputError(escapedText(text) +
                     " gores are more than a template can hold (at most 10,000)");
  if (value != std::floor(value))
    throw InputError("the number of gores must be a whole number, not " + plainFigureText(value));
  return static_cast<int>(value);
}

PaperKind paperNamed(const std::string &name) {
  if (name == "letter")
    return PaperKind::Letter;
  if (name == "sheet")
    return PaperKind::Sheet;
  return PaperKind::A4;
}

// The command's form was checked against its row: only the values are read here.
Request parse(const Invocation &call, TemplateKind kind) {
  Request r;
  r.input.kind = kind;
  r.input.unit = dishSizeUnitFromText(call.arg(0)).value_or(DishSizeUnit::Feet);
  r.input.fd = number(call.arg(1), "f/D");
  r.input.diameter = number(call.arg(2), "diameter");
  if (kind == TemplateKind::Petal)
    r.input.count = goreCount(call.arg(3));
  if (call.has("--hub"))
    r.input.hubRadius = number(call.values("--hub")[0], "hub radius");
  if (call.has("--freq"))
    r.input.frequencyMHz = number(call.values("--freq")[0], "frequency");
  r.file = call.values("-o")[0];
  if (r.file == "-")
    throw InputError("-o - would put a template among the figures on standard output: name a file");
  r.kind = fileKind(call, r.file);
  if (call.has("--paper")) {
    if (r.kind != FileKind::Pdf)
      throw InputError(std::string("--paper does not apply to ") + named(r.kind).name + ", " +
                       "which is always one sheet the template's size: leave --paper out");
    r.paper = paperNamed(call.values("--paper")[0]);
    r.paperGiven = true;
  }
  return r;
}

void printFigures(const TemplateSheet &sheet, Report &out) {
  const TemplateGeometry &g = sheet.geometry();
  const FigureUnit unit = unitOfWord(g.unitName());
  out.figure("focal length", g.focalLength(), unit, kTemplateDigits);
  out.figure("depth", g.depth(), unit, kTemplateDigits);
  out.figure("rib length", g.ribLength(), unit, kTemplateDigits);
  if (g.isPetal()) {
    out.count("gores", g.input().count);
    out.figure("gore length", g.goreLength(), unit, kTemplateDigits);
    out.figure("gore width at rim", g.goreWidthAtRim(), unit, kTemplateDigits);
    out.figure("flat gore error", g.flatGoreError(), unit, kTemplateDigits);
  }
  out.count("pages", sheet.plan().pageCount());
  if (g.wavelength() > 0)
    out.count({"gores for lambda/16", "gores_for_lambda_16"},
              goresWithin(g.depth(), g.wavelength() / 16));
  for (const std::string &warning : templateWarnings(g))
    out.warning(warning);
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
  const QString path = fileNameFromBytes(r.file); // byte for byte, not through UTF-8
  switch (r.kind) {
  case FileKind::Svg:
    writeTemplateSvg(pages, path);
    break;
  case FileKind::Dxf:
    writeTemplateDxf(pages, path);
    break;
  case FileKind::Pdf:
    writeTemplatePdf(pages, path);
    break;
  }
}
#else
void writeFile(const TemplateSheet &, const Request &) {
  throw std::runtime_error("templates need the desktop build of dishwright-calc (Qt 6, "
                           "configured with DISHWRIGHT_GUI=ON)");
}
#endif

// Makes the file first, the figures after it: they are printed only for a template
// that was made. The file is put in place by runCli once the figures are out.
void runTemplate(const Invocation &call, Report &out, TemplateKind kind) {
  Request r = parse(call, kind);
  if (r.kind != FileKind::Pdf)
    r.paper = PaperKind::Sheet; // an SVG or a DXF is one sheet
  else if (!r.paperGiven)
    r.paper = localPaper();
  const TemplateSheet sheet(r.input, r.paper);
  writeFile(sheet, r);
  printFigures(sheet, out);
}

} // namespace

void runRibTemplate(const Invocation &call, Report &out) {
  runTemplate(call, out, TemplateKind::Rib);
}

void runPetalTemplate(const Invocation &call, Report &out) {
  runTemplate(call, out, TemplateKind::Petal);
}

} // namespace dishwright
