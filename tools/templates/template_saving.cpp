// What the templates window's Save and Print buttons do: the file or the printer
// asked for, the pages written with the progress and Cancel of a long job, and
// what became of them in words on the window's status line.
#include "tools/templates/template_window.h"

#include "paper/file_name.h"
#include "paper/template_dxf.h"
#include "paper/template_writer.h"
#include "tools/kit/file_dialogs.h"

#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>

#include <stdexcept>

namespace dishwright {

// A long job shows its progress after half a second and can be cancelled;
// the window waits for it, the other windows do too (the job runs in this thread).
PageProgress TemplateWindow::progressFor(const QString &what) {
  progress_ = std::make_unique<QProgressDialog>(what, tr("Cancel"), 0, pageCount(), this);
  progress_->setWindowModality(Qt::WindowModal);
  progress_->setMinimumDuration(progressAfterMs_);
  return [this](int page, int pages) {
    progress_->setMaximum(pages);
    progress_->setValue(page); // also lets the dialog take the Cancel click
    return !progress_->wasCanceled();
  };
}

bool TemplateWindow::savePdf(const QString &path) {
  if (!painter_)
    return false;
  try {
    const bool done =
        writeTemplatePdf(*painter_, path, progressFor(tr("Writing %1").arg(shownFileName(path))));
    progress_.reset();
    if (!done) {
      setStatus(tr("Not saved: cancelled; %1 is as it was.").arg(shownFileName(path)));
      return false;
    }
    setStatus(pageCount() == 1
                  ? tr("Saved %1 (1 page).").arg(shownFileName(path))
                  : tr("Saved %1 (%2 pages).").arg(shownFileName(path)).arg(pageCount()));
    return true;
  } catch (const std::exception &e) {
    progress_.reset();
    setStatus(tr("Not saved: %1.").arg(QString::fromStdString(e.what())));
    return false;
  }
}

bool TemplateWindow::saveSvg(const QString &path) {
  if (!painter_)
    return false;
  try {
    const TemplateSheet sheet(input(), PaperKind::Sheet); // an SVG is always one sheet
    writeTemplateSvg(TemplatePainter(sheet), path);
    setStatus(tr("Saved %1 (one sheet, in mm).").arg(shownFileName(path)));
    return true;
  } catch (const std::exception &e) {
    setStatus(tr("Not saved: %1.").arg(QString::fromStdString(e.what())));
    return false;
  }
}

bool TemplateWindow::saveDxf(const QString &path) {
  if (!painter_)
    return false;
  try {
    const TemplateSheet sheet(input(), PaperKind::Sheet); // a DXF is always one sheet
    writeTemplateDxf(TemplatePainter(sheet), path);
    setStatus(tr("Saved %1 (one sheet, in %2).")
                  .arg(shownFileName(path),
                       isMetric(sheet.geometry().input().unit) ? tr("mm") : tr("inches")));
    return true;
  } catch (const std::exception &e) {
    setStatus(tr("Not saved: %1.").arg(QString::fromStdString(e.what())));
    return false;
  }
}

void TemplateWindow::printTo(QPrinter &printer) {
  if (!painter_)
    return;
  try {
    if (!paintTemplatePages(*painter_, printer, progressFor(tr("Printing the pages")))) {
      printer.abort();
      setStatus(tr("Not printed: cancelled."));
    }
  } catch (const std::exception &e) {
    setStatus(tr("Not printed: %1.").arg(QString::fromStdString(e.what())));
  }
  progress_.reset();
}

// The file to save the template in, named for a rib or petals; "" when cancelled.
QString TemplateWindow::askFileName(const QString &title, const QString &rib, const QString &petal,
                                    const QString &filter) {
  if (!painter_)
    return {};
  const bool petals = painter_->sheet().geometry().isPetal();
  return chooseSaveFile(this, title, petals ? petal : rib, filter);
}

void TemplateWindow::askPdf() {
  const QString path = askFileName(tr("Save Template as PDF"), tr("rib-template.pdf"),
                                   tr("petal-template.pdf"), tr("PDF (*.pdf)"));
  if (!path.isEmpty())
    savePdf(path);
}

void TemplateWindow::askSvg() {
  const QString path = askFileName(tr("Save Template as SVG"), tr("rib-template.svg"),
                                   tr("petal-template.svg"), tr("SVG (*.svg)"));
  if (!path.isEmpty())
    saveSvg(path);
}

void TemplateWindow::askDxf() {
  const QString path = askFileName(tr("Save Template as DXF"), tr("rib-template.dxf"),
                                   tr("petal-template.dxf"), tr("DXF (*.dxf)"));
  if (!path.isEmpty())
    saveDxf(path);
}

void TemplateWindow::askPrint() {
  if (!painter_)
    return;
  // Full page and the template's own paper: the drawing's mm are the paper's mm.
  QPrinter printer(QPrinter::HighResolution);
  printer.setFullPage(true);
  printer.setPageLayout(templatePageLayout(painter_->sheet().plan()));
  QPrintDialog dialog(&printer, this);
  dialog.setWindowTitle(tr("Print Template at 100 %"));
  if (dialog.exec() == QDialog::Accepted)
    printTo(printer);
}

} // namespace dishwright
