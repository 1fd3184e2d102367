#include "paper/page_labels.h"

#include "paper/page_furniture.h"

#include <QLineF>

#include <algorithm>

namespace dishwright {
namespace {

constexpr double kLabelInsetMm = 0.5; // labels keep this far from a page's trimmed edge
constexpr double kLabelClearMm = 0.6; // and from the line to cut along

bool crosses(const QRectF &box, const std::vector<QPolygonF> &lines) {
  const QRectF clear = box.adjusted(-kLabelClearMm, -kLabelClearMm, kLabelClearMm, kLabelClearMm);
  for (const QPolygonF &line : lines)
    for (int i = 0; i + 1 < line.size(); ++i) {
      const QLineF segment(line[i], line[i + 1]);
      if (!QRectF(segment.p1(), segment.p2())
               .normalized()
               .adjusted(-0.01, -0.01, 0.01, 0.01)
               .intersects(clear))
        continue;
      // Inside the box, or across one of its sides.
      if (clear.contains(segment.p1()) || clear.contains(segment.p2()))
        return true;
      const QPointF corners[] = {clear.topLeft(), clear.topRight(), clear.bottomRight(),
                                 clear.bottomLeft()};
      for (int k = 0; k < 4; ++k)
        if (segment.intersects(QLineF(corners[k], corners[(k + 1) % 4]), nullptr) ==
            QLineF::BoundedIntersection)
          return true;
    }
  return false;
}

} // namespace

QRectF visiblePartMm(const TilingPlan &plan, int index, double insetMm) {
  const PageWindow &w = plan.pages.at(static_cast<std::size_t>(index));
  double right = w.leftMm + plan.windowWidthMm, bottom = w.topMm + plan.windowHeightMm;
  if (plan.pageAt(w.row, w.column + 1) >= 0)
    right -= kPageOverlapMm;
  if (plan.pageAt(w.row + 1, w.column) >= 0)
    bottom -= kPageOverlapMm;
  return QRectF(QPointF(w.leftMm, w.topMm), QPointF(right, bottom))
      .adjusted(insetMm, insetMm, -insetMm, -insetMm);
}

std::vector<PlacedLabel> placeLabels(const std::vector<Label> &labels, const TilingPlan &plan,
                                     const std::vector<QPolygonF> &avoid) {
  std::vector<QRectF> parts;
  parts.reserve(static_cast<std::size_t>(plan.pageCount()));
  for (int i = 0; i < plan.pageCount(); ++i)
    parts.push_back(visiblePartMm(plan, i, kLabelInsetMm));
  std::vector<PlacedLabel> placed;
  std::vector<QRectF> taken; // labels never overlap: the first placed keeps its place
  for (const Label &label : labels)
    for (const LabelPlace &place : label.places) {
      const QRectF box = textBoxMm(place.anchorMm, label.text, label.heightMm, place.align);
      auto page = std::find_if(parts.begin(), parts.end(),
                               [&box](const QRectF &part) { return part.contains(box); });
      if (page == parts.end() || crosses(box, avoid) ||
          std::any_of(taken.begin(), taken.end(), [&box](QRectF t) { return t.intersects(box); }))
        continue;
      placed.push_back({label.text, label.heightMm, place, static_cast<int>(page - parts.begin())});
      taken.push_back(box);
      break;
    }
  return placed;
}

} // namespace dishwright
