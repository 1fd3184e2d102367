// Draws the pages of a template: the one drawing code path behind the PDF, the
// SVG, the printer and the preview, so what is seen is what is printed.
#pragma once

#include "calc/page_layout/template_sheet.h"
#include "paper/template_drawing.h"

#include <QStringList>

class QPainter;

namespace dishwright {

// What paintPage() paints: everything, or for a cutter's file all but the
// lines to cut along (which it draws apart) and the white ground.
enum class PageParts { Everything, ForCutter };

class TemplatePainter {
public:
  explicit TemplatePainter(const TemplateSheet &sheet);

  const TemplateSheet &sheet() const { return sheet_; }
  const TemplateDrawing &drawing() const { return drawing_; }
  int pageCount() const { return sheet_.plan().pageCount(); }

  // Paints page `index` (0 to pageCount() - 1) on paper coloured white. The
  // painter's unit must be 1 mm with the origin at the page's top-left corner.
  void paintPage(QPainter &painter, int index, PageParts parts = PageParts::Everything) const;

  // The lines of figures and the cut instruction page `index` carries in its footer.
  QStringList figureLines(int index) const;

private:
  void paintDrawing(QPainter &painter, int index, bool withCuts) const;
  void paintFooter(QPainter &painter, int index) const;
  QString instruction(int index) const;

  TemplateSheet sheet_;
  TemplateDrawing drawing_;
};

} // namespace dishwright
