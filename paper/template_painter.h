// Draws the pages of a template: the one drawing code path behind the PDF, the
// SVG, the printer and the preview, so what is seen is what is printed.
#pragma once

#include "calc/page_layout/template_sheet.h"
#include "paper/template_drawing.h"

class QPainter;

namespace dishwright {

class TemplatePainter {
public:
  explicit TemplatePainter(const TemplateSheet &sheet);

  const TemplateSheet &sheet() const { return sheet_; }
  const TemplateDrawing &drawing() const { return drawing_; }
  int pageCount() const { return sheet_.plan().pageCount(); }

  // Paints page `index` (0 to pageCount() - 1) on paper coloured white. The
  // painter's unit must be 1 mm with the origin at the page's top-left corner.
  // Without `withCuts` the lines to cut along are left out, for an output that
  // draws them apart.
  void paintPage(QPainter &painter, int index, bool withCuts = true) const;

private:
  void paintDrawing(QPainter &painter, int index, bool withCuts) const;
  void paintFooter(QPainter &painter, int index) const;
  QString instruction(int index) const;

  TemplateSheet sheet_;
  TemplateDrawing drawing_;
};

} // namespace dishwright
