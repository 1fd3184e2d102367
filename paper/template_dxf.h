// A template as DXF for CNC and laser software: one sheet in the template's own
// unit (inches for a design in feet, mm for one in metres, named in $INSUNITS
// and $MEASUREMENT), the vertex at the origin, y up, numbers written with a
// point in every locale. Layers: CUT, only the outline to cut along, one closed
// polyline; MARK, the reference lines, ticks and the hub guide; TEXT, the
// labels and the design's figures. No scale bars, crop marks or hatching: a
// cutter needs none.
#pragma once

#include "paper/template_painter.h"

#include <QString>

namespace dishwright {

// Writes `sheet` (a TemplatePainter of a PaperKind::Sheet TemplateSheet) to
// `path` in full or not at all; throws std::runtime_error ("cannot write
// <path>: <reason>") and leaves any file there as it was when it cannot.
void writeTemplateDxf(const TemplatePainter &sheet, const QString &path);

} // namespace dishwright
