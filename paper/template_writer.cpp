#include "paper/template_writer.h"

#include "calc/common/units.h"

#include "paper/file_name.h"
#include "paper/svg_layers.h"
#include "paper/whole_file.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cmath>
#include <stdexcept>

namespace dishwright {
namespace {

constexpr int kPdfDotsPerInch = 1200;
constexpr int kSvgDotsPerInch = 2540; // 100 per mm: the sheet's size to 0.01 mm

[[noreturn]] void fail(const QString &path, const QString &reason) {
  throw std::runtime_error(QStringLiteral("cannot write %1: %2")
                               .arg(shownFileName(path), reason.toLower())
                               .toStdString());
}

QString title(const TemplatePainter &pages) {
  return pages.sheet().geometry().isPetal() ? QStringLiteral("dishwright petal template")
                                            : QStringLiteral("dishwright rib template");
}

} // namespace

QPageLayout templatePageLayout(const TilingPlan &plan) {
  const QMarginsF none(0, 0, 0, 0);
  const auto orientation = plan.landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
  switch (plan.paper) {
  case PaperKind::A4:
    return QPageLayout(QPageSize(QPageSize::A4), orientation, none, QPageLayout::Millimeter);
  case PaperKind::Letter:
    return QPageLayout(QPageSize(QPageSize::Letter), orientation, none, QPageLayout::Millimeter);
  case PaperKind::Sheet:
    break;
  }
  // A custom size keeps its width and height as given; ExactMatch stops it from
  // being taken for a standard size that is close.
  const QPageSize sheet(QSizeF(plan.pageWidthMm, plan.pageHeightMm), QPageSize::Millimeter,
                        QStringLiteral("Template sheet"), QPageSize::ExactMatch);
  return QPageLayout(sheet, QPageLayout::Portrait, none, QPageLayout::Millimeter);
}

bool paintTemplatePages(const TemplatePainter &pages, QPagedPaintDevice &device,
                        const PageProgress &progress) {
  QPainter painter(&device);
  if (!painter.isActive())
    throw std::runtime_error("cannot start drawing the pages");
  const double dotsPerMm = device.logicalDpiX() / kMmPerInch;
  for (int i = 0; i < pages.pageCount(); ++i) {
    if (progress && !progress(i, pages.pageCount()))
      return false;
    if (i > 0)
      device.newPage();
    painter.resetTransform();
    painter.scale(dotsPerMm, dotsPerMm);
    pages.paintPage(painter, i);
  }
  return true;
}

// Drawn into memory first, then written whole: the PDF engine does not notice a
// write that falls short (a full disk), so its output is checked in one piece.
bool writeTemplatePdf(const TemplatePainter &pages, const QString &path,
                      const PageProgress &progress) {
  QBuffer drawn;
  drawn.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&drawn);
    pdf.setResolution(kPdfDotsPerInch);
    pdf.setTitle(title(pages));
    pdf.setCreator(QStringLiteral("dishwright"));
    if (!pdf.setPageLayout(templatePageLayout(pages.sheet().plan())))
      fail(path, QStringLiteral("the page size is not accepted"));
    if (!paintTemplatePages(pages, pdf, progress))
      return false;
  }
  writeWholeFile(path, drawn.data());
  return true;
}

void writeTemplateSvg(const TemplatePainter &sheet, const QString &path) {
  const TilingPlan &plan = sheet.sheet().plan();
  // Drawn into memory first: the cut lines are added, and the rest grouped, afterwards.
  QBuffer drawn;
  drawn.open(QIODevice::WriteOnly);
  {
    QSvgGenerator svg;
    svg.setOutputDevice(&drawn);
    svg.setResolution(kSvgDotsPerInch);
    const double dotsPerMm = kSvgDotsPerInch / kMmPerInch;
    svg.setSize(QSize(static_cast<int>(std::lround(plan.pageWidthMm * dotsPerMm)),
                      static_cast<int>(std::lround(plan.pageHeightMm * dotsPerMm))));
    // Painter units are the viewBox's: one per mm.
    svg.setViewBox(QRectF(0, 0, plan.pageWidthMm, plan.pageHeightMm));
    svg.setTitle(title(sheet));
    svg.setDescription(
        QStringLiteral("full-size template, 1 unit = 1 mm; layers cut, marks, text"));
    QPainter painter(&svg);
    if (!painter.isActive())
      fail(path, QStringLiteral("the drawing could not start"));
    sheet.paintPage(painter, 0, PageParts::ForCutter);
  }
  const PageWindow &window = plan.pages.front();
  const QPointF offset(plan.windowLeftOnPageMm - window.leftMm,
                       plan.windowTopOnPageMm - window.topMm);
  QByteArray layered;
  try {
    layered = layeredSvg(drawn.data(), sheet.drawing().cuts(), offset);
  } catch (const std::runtime_error &e) {
    fail(path, QString::fromStdString(e.what()));
  }
  writeWholeFile(path, layered);
}

} // namespace dishwright
