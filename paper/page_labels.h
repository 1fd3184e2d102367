// Where the drawing's labels go: each on one printed page, whole, on the part of
// that page that stays in sight when the pages are glued (the strip under a
// neighbour is hidden), and clear of the line to cut along. Lengths in drawing mm.
#pragma once

#include "calc/page_layout/page_tiling.h"

#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <vector>

namespace dishwright {

// A place a label may go: its anchor and the Qt alignment that puts the text
// around it, as drawTextMm() takes them.
struct LabelPlace {
  QPointF anchorMm;
  int align = 0;
};

// A label and its places, best first.
struct Label {
  QString text;
  double heightMm = 0;
  std::vector<LabelPlace> places;
};

// A label at the place chosen for it, on page `page` of the plan.
struct PlacedLabel {
  QString text;
  double heightMm = 0;
  LabelPlace place;
  int page = 0;
};

// The part of page `index` that shows when the pages are glued: its window less
// the strips its right and lower neighbours cover, less `insetMm` all round.
QRectF visiblePartMm(const TilingPlan &plan, int index, double insetMm);

// Places each label, in order, at its first place that lies whole in the visible
// part of a printed page, crosses none of the `avoid` lines and overlaps no label
// placed before it; a label with no such place is left out.
std::vector<PlacedLabel> placeLabels(const std::vector<Label> &labels, const TilingPlan &plan,
                                     const std::vector<QPolygonF> &avoid);

} // namespace dishwright
