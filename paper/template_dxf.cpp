#include "paper/template_dxf.h"

#include "paper/c_numbers.h"
#include "paper/file_name.h"
#include "paper/page_furniture.h"
#include "paper/whole_file.h"

#include <dime/Model.h>
#include <dime/Output.h>
#include <dime/entities/Line.h>
#include <dime/entities/Polyline.h>
#include <dime/entities/Text.h>
#include <dime/entities/Vertex.h>
#include <dime/sections/EntitiesSection.h>
#include <dime/sections/HeaderSection.h>
#include <dime/sections/TablesSection.h>
#include <dime/tables/LayerTable.h>
#include <dime/tables/Table.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <vector>

namespace dishwright {
namespace {

// DXF's unit codes: $INSUNITS (AutoCAD 2000 on) names the drawing's unit;
// $MEASUREMENT (English or metric), the one that readers of R12 files such as
// Inkscape's read, tells inches from millimetres.
constexpr int kDxfInches = 1;
constexpr int kDxfMillimetres = 4;
constexpr int kDxfMeasurementEnglish = 0;
constexpr int kDxfMeasurementMetric = 1;
constexpr int kDxfIntegerCode = 70;
// Colour numbers of the layers: red to cut, the rest in the drawing's colours.
constexpr int kCutColour = 1;
constexpr int kMarkColour = 7;
constexpr int kTextColour = 5;
constexpr double kCapHeightPerEm = 0.72; // DXF text height is the capitals', ours the em
constexpr double kFigureLineMm = 4;

[[noreturn]] void fail(const QString &path, const QString &reason) {
  throw std::runtime_error(
      QStringLiteral("cannot write %1: %2").arg(shownFileName(path), reason).toStdString());
}

// This libdime's dimeText copies its string in setTextString() and never frees
// it; the copy is freed with the entity here.
class OwnedText : public dimeText {
public:
  ~OwnedText() override { delete[] getTextString(); }
};

// The model of one sheet: the sections and layers a DXF reader expects, and
// entities added in the template's unit.
class DxfSheet {
public:
  explicit DxfSheet(const TemplateSheet &sheet) : sheet_(sheet) {
    auto *header = new dimeHeaderSection(nullptr);
    model_.insertSection(header);
    setHeader(header, "$ACADVER", 1, "AC1009");
    const bool metric = isMetric(sheet.geometry().input().unit);
    setHeader(header, "$INSUNITS", metric ? kDxfMillimetres : kDxfInches);
    setHeader(header, "$MEASUREMENT", metric ? kDxfMeasurementMetric : kDxfMeasurementEnglish);
    auto *tables = new dimeTablesSection;
    model_.insertSection(tables);
    auto *layers = new dimeTable(nullptr);
    for (auto [name, colour] : {std::pair{"CUT", kCutColour}, std::pair{"MARK", kMarkColour},
                                std::pair{"TEXT", kTextColour}}) {
      auto *layer = new dimeLayerTable;
      layer->setLayerName(name, nullptr);
      layer->setColorNumber(static_cast<int16>(colour));
      layer->registerLayer(&model_);
      layers->insertTableEntry(layer);
    }
    tables->insertTable(layers);
    model_.insertSection(new dimeEntitiesSection);
  }

  void polyline(const QPolygonF &points, const char *layer, bool closed) {
    // A closed polygon repeats its first point; DXF's closed flag joins the ends.
    const int count = static_cast<int>(points.size()) - (closed ? 1 : 0);
    std::vector<dimeVertex *> vertices;
    for (int i = 0; i < count; ++i) {
      vertices.push_back(new dimeVertex);
      vertices.back()->setCoords(unitPoint(points[i]));
    }
    auto *line = new dimePolyline;
    line->setCoordVertices(vertices.data(), count);
    line->setFlags(closed ? dimePolyline::CLOSED : 0);
    add(line, layer);
  }

  void line(QPointF a, QPointF b) {
    auto *line = new dimeLine;
    line->setCoords(0, unitPoint(a));
    line->setCoords(1, unitPoint(b));
    add(line, "MARK");
  }

  // Left-aligned on its baseline: this libdime writes no second alignment point.
  void text(QPointF baselineLeftMm, const QString &words, double heightMm) {
    auto *text = new OwnedText;
    text->setOrigin(unitPoint(baselineLeftMm));
    text->setHeight(static_cast<dxfdouble>(heightMm * kCapHeightPerEm / mmPerUnit()));
    text->setTextString(words.toLatin1().constData());
    add(text, "TEXT");
  }

  bool write(FILE *file) {
    dimeOutput out;
    return out.setFileHandle(file) && model_.write(&out);
  }

private:
  double mmPerUnit() const { return sheet_.geometry().mmPerUnit(); }
  dimeVec3f unitPoint(QPointF mm) const {
    const TemplatePoint p = sheet_.toTemplate({mm.x(), mm.y()});
    return {static_cast<dxfdouble>(p.x), static_cast<dxfdouble>(p.y), 0};
  }
  void add(dimeEntity *entity, const char *layer) {
    entity->setLayer(model_.getLayer(layer));
    model_.addEntity(entity);
  }
  static void setHeader(dimeHeaderSection *header, const char *name, int code, const char *value) {
    dimeParam param;
    param.string_data = value;
    header->setVariable(name, &code, &param, 1);
  }
  static void setHeader(dimeHeaderSection *header, const char *name, int value) {
    dimeParam param;
    param.int16_data = static_cast<int16>(value);
    header->setVariable(name, &kDxfIntegerCode, &param, 1);
  }

  const TemplateSheet &sheet_;
  dimeModel model_;
};

void addDrawing(DxfSheet &dxf, const TemplatePainter &sheet) {
  const TemplateDrawing &drawing = sheet.drawing();
  for (const QPolygonF &cut : drawing.cuts())
    dxf.polyline(cut, "CUT", true);
  for (const Mark &mark : drawing.marks()) {
    if (mark.kind == MarkKind::Hatch) // the closed outline says which side is the part
      continue;
    if (mark.points.size() == 2)
      dxf.line(mark.points[0], mark.points[1]);
    else
      dxf.polyline(mark.points, "MARK", false);
  }
  for (const PlacedLabel &label : drawing.labels()) {
    const QRectF box =
        textBoxMm(label.place.anchorMm, label.text, label.heightMm, label.place.align);
    dxf.text(QPointF(box.left(), box.bottom() - 0.25 * label.heightMm), label.text, label.heightMm);
  }
  // The figures the pages carry in their footer, below the drawing.
  const TilingPlan &plan = sheet.sheet().plan();
  double y = plan.drawingHeightMm + kFigureLineMm;
  QStringList lines = sheet.figureLines(0);
  const TemplateGeometry &g = sheet.sheet().geometry();
  lines.back() = g.isPetal()
                     ? QStringLiteral("GORE - cut %1 alike along the outline on layer CUT")
                           .arg(g.input().count)
                     : QStringLiteral("RIB - the metal lies inside the outline on layer CUT");
  for (const QString &line : lines) {
    dxf.text(QPointF(0, y), line, kTextHeightMm);
    y += kFigureLineMm;
  }
}

// libdime writes to a FILE: here one in memory, so that the file on disk is
// written by QSaveFile, whole or not at all. It formats numbers with printf,
// hence in the C locale: a point, never the user's decimal comma.
QByteArray dxfBytes(DxfSheet &dxf) {
  char *data = nullptr;
  std::size_t size = 0;
  FILE *memory = open_memstream(&data, &size);
  if (!memory)
    return {};
  bool written = false, closed = false;
  {
    const CNumbers point;
    written = dxf.write(memory);
    closed = std::fclose(memory) == 0;
  }
  std::unique_ptr<char, decltype(&std::free)> owned(data, &std::free);
  return written && closed ? QByteArray(data, static_cast<qsizetype>(size)) : QByteArray();
}

} // namespace

void writeTemplateDxf(const TemplatePainter &sheet, const QString &path) {
  DxfSheet dxf(sheet.sheet());
  addDrawing(dxf, sheet);
  const QByteArray bytes = dxfBytes(dxf);
  if (bytes.isEmpty())
    fail(path, QStringLiteral("the drawing could not be put into DXF"));
  writeWholeFile(path, bytes);
}

} // namespace dishwright
