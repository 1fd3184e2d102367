// A template SVG sorted for laser cutters and CNC software: the lines to cut in
// a group of their own, red hairlines a cutter picks out by colour or by layer,
// and the marks and the text each in a group of their own.
#pragma once

#include <QByteArray>
#include <QPointF>
#include <QPolygonF>

#include <vector>

namespace dishwright {

// `generated`, an SVG as QSvgGenerator wrote it, with its drawing regrouped into
// groups with ids "marks" (every shape) and "text" (every text), and a group
// "cut" added holding each of `cuts` as one closed path, its points moved by
// `offset` into the SVG's own units. Each group is an Inkscape layer of that
// name. Throws std::runtime_error when `generated` is not XML.
QByteArray layeredSvg(const QByteArray &generated, const std::vector<QPolygonF> &cuts,
                      QPointF offset);

} // namespace dishwright
