// The drawing of one template, in drawing mm, as parts that each output takes
// what it needs of: the lines to cut along, the marks (reference lines, ticks,
// hatching, the hub guide with its circle), and the labels, each placed on the
// page it prints on. The PDF, the printer and the preview paint it all; the SVG
// puts each kind in a group of its own; the DXF puts them on layers.
#pragma once

#include "calc/page_layout/template_sheet.h"
#include "paper/page_labels.h"

#include <QPolygonF>

#include <vector>

namespace dishwright {

enum class MarkKind { Thin, Dashed, Hatch };

struct Mark {
  QPolygonF points; // a polyline, drawing mm
  MarkKind kind = MarkKind::Thin;
};

// Chords of the cut outline and the hub's circle stay this close to the true curve, mm.
constexpr double kOutlineSagMm = 0.01;

class TemplateDrawing {
public:
  explicit TemplateDrawing(const TemplateSheet &sheet);

  // Closed polygons (the last point repeats the first), one per part to cut
  // out: a template's one outline. The hub guide's circle is among the marks.
  const std::vector<QPolygonF> &cuts() const { return cuts_; }
  const std::vector<Mark> &marks() const { return marks_; }
  const std::vector<PlacedLabel> &labels() const { return labels_; }
  // The outline at a few hundred points, for the page map.
  const QPolygonF &shape() const { return shape_; }

private:
  std::vector<QPolygonF> cuts_;
  std::vector<Mark> marks_;
  std::vector<PlacedLabel> labels_;
  QPolygonF shape_;
};

} // namespace dishwright
