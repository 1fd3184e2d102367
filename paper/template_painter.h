// Draws the pages of a template: the one drawing code path behind the PDF, the
// SVG, the printer and the preview, so what is seen is what is printed.
#pragma once

#include "calc/page_layout/template_sheet.h"

#include <QPolygonF>

class QPainter;

namespace dishwright {

class TemplatePainter {
public:
  explicit TemplatePainter(const TemplateSheet &sheet);

  const TemplateSheet &sheet() const { return sheet_; }
  int pageCount() const { return sheet_.plan().pageCount(); }

  // Paints page `index` (0 to pageCount() - 1) on paper coloured white. The
  // painter's unit must be 1 mm with the origin at the page's top-left corner.
  void paintPage(QPainter &painter, int index) const;

private:
  void paintDrawing(QPainter &painter, const PageWindow &window) const;
  void paintRib(QPainter &painter, double fromMm, double toMm) const;
  void paintGore(QPainter &painter, double fromMm, double toMm) const;
  void paintRadiusTicks(QPainter &painter, double fromMm, double toMm) const;
  void paintHubGuide(QPainter &painter) const;
  void paintFooter(QPainter &painter, int index) const;
  QPolygonF edgePart(const QPolygonF &edge, double fromMm, double toMm) const;

  TemplateSheet sheet_;
  QPolygonF edge_;   // the cut edge in drawing mm: the rib curve or a gore's upper edge
  QPolygonF mirror_; // a gore's lower edge
  QPolygonF shape_;  // the whole outline, coarse, for the page map
};

} // namespace dishwright
