#include "screen_printer.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace dishwright {

std::unique_ptr<QPrinter> defaultPrinter() {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull())
    return nullptr;
  return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

QString printWindow(QWidget &window, QPrinter &printer) {
  QPainter painter;
  if (!painter.begin(&printer))
    return QStringLiteral("The printer %1 could not be started.").arg(printer.printerName());
  // Layout pixels are 1/96 inch (15 twips), whatever the desktop's dpi.
  const qreal scale = printer.resolution() / 96.0;
  painter.scale(scale, scale);
  window.render(&painter, QPoint(), QRegion(),
                QWidget::DrawWindowBackground | QWidget::DrawChildren);
  if (!painter.end())
    return QStringLiteral("Printing to %1 failed.").arg(printer.printerName());
  return {};
}

} // namespace dishwright
