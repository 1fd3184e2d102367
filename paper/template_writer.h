// Template files: vector PDF of every page, and SVG of the single sheet in mm.
// A file is written in full or not at all: it goes to a temporary file beside
// the target and is renamed into place when complete.
#pragma once

#include "calc/page_layout/local_paper.h" // localPaper(), the paper when none is chosen
#include "paper/template_painter.h"

#include <QPageLayout>
#include <QString>

#include <functional>

class QPagedPaintDevice;

namespace dishwright {

// The paper of a plan: A4 or US Letter (landscape when the plan says so) or the
// sheet's own size, with no margins, so the page's corner is the drawing's origin.
QPageLayout templatePageLayout(const TilingPlan &plan);

// Told before each page is drawn (`page` from 0 of `pages`); false stops the job.
using PageProgress = std::function<bool(int page, int pages)>;

// Paints every page on a PDF writer or printer whose page layout is
// templatePageLayout() and which prints the full page: 1 mm drawn is 1 mm on paper.
// False when `progress` stopped it.
bool paintTemplatePages(const TemplatePainter &pages, QPagedPaintDevice &device,
                        const PageProgress &progress = {});

// Each throws std::runtime_error ("cannot write <path>: <reason>") and leaves no
// file when `path` cannot be written. The SVG is always one sheet; give it a
// TemplatePainter of a PaperKind::Sheet TemplateSheet. The PDF returns false,
// leaving no file and the old one as it was, when `progress` stopped it.
bool writeTemplatePdf(const TemplatePainter &pages, const QString &path,
                      const PageProgress &progress = {});
void writeTemplateSvg(const TemplatePainter &sheet, const QString &path);

} // namespace dishwright
