#include "print/screen_printer.h"

#include "print/cups_queues.h"
#include "print/listing_pages.h"
#include "print/window_page.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QListView>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <optional>

namespace dishwright {
namespace {

constexpr int kLayoutPixelsPerInch = 96; // a layout pixel is 15 twips

// Asking the print system and drawing a long listing take longer than a frame.
class BusyCursor {
public:
  BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor &) = delete;
  BusyCursor &operator=(const BusyCursor &) = delete;
};

QString stateFailure(const QueueState &state) {
  switch (state.kind) {
  case QueueState::Kind::Ready:
    return {};
  case QueueState::Kind::NoPrintSystem:
    return QStringLiteral("Nothing can be printed: the print system (CUPS) is not running (%1).")
        .arg(state.message);
  case QueueState::Kind::NoPrinters:
    return QStringLiteral("No printers are installed.");
  case QueueState::Kind::NoDefault:
    return QStringLiteral("No printer is chosen as the default.");
  case QueueState::Kind::NotAccepting:
    return state.message.isEmpty()
               ? QStringLiteral("The printer %1 is not accepting jobs.").arg(state.name)
               : QStringLiteral("The printer %1 is not accepting jobs: %2")
                     .arg(state.name, state.message);
  case QueueState::Kind::Unknown:
    return QStringLiteral("The printer %1 is not known to the print system.").arg(state.name);
  }
  return {};
}

QString destination(const QPrinter &printer) {
  return printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName()
                                                       : printer.printerName();
}

// Draws the job; returns "" when the printer took every page or the user
// cancelled it (a PDF the job began is removed then, unless it was there before).
QString drawJob(QPrinter &printer, const ListingJob &job) {
  const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
  const bool fileWasThere = toFile && QFileInfo::exists(printer.outputFileName());
  const QListView *list = job.list;
  const QAbstractItemModel *rows = list ? list->model() : nullptr;
  const bool fits = !rows || rows->rowCount() <= 6 * rowsPerColumn(*list);
  printer.setDocName(QStringLiteral("dishwright profile, ") +
                     job.heading.section(QLatin1String("   "), 0, 1));
  // Device pixels the size of layout pixels: the style's one-pixel lines then
  // print as wide as the screen shows them, not as 1/1200-inch hairlines. Text
  // and lines are vectors whatever the resolution.
  printer.setResolution(kLayoutPixelsPerInch);
  QPainter painter;
  if (!painter.begin(&printer))
    return QStringLiteral("The printer %1 could not be started.").arg(destination(printer));
  const qreal scale = printer.resolution() / qreal(kLayoutPixelsPerInch);
  painter.scale(scale, scale);
  bool drawn = true, cancelled = false;
  if (fits)
    drawWindow(painter, *job.window);
  else
    drawn =
        ListingPages(*list, *rows, job.heading).print(painter, printer, job.progress, &cancelled);
  if (cancelled) {
    printer.abort();
    painter.end();
    if (toFile && !fileWasThere)
      QFile::remove(printer.outputFileName());
    return {};
  }
  const bool ended = painter.end();
  if (!drawn || !ended || printer.printerState() == QPrinter::Error)
    return QStringLiteral("Printing to %1 failed.").arg(destination(printer));
  return {};
}

} // namespace

PrinterChoice::PrinterChoice() = default;
PrinterChoice::PrinterChoice(std::unique_ptr<QPrinter> ready) : printer(std::move(ready)) {}
PrinterChoice::PrinterChoice(PrinterChoice &&) noexcept = default;
PrinterChoice &PrinterChoice::operator=(PrinterChoice &&) noexcept = default;
PrinterChoice::~PrinterChoice() = default;

PrinterChoice defaultPrinter() { return defaultPrinterIn(std::make_shared<CupsQueues>()); }

PrinterChoice defaultPrinterIn(const std::shared_ptr<const PrintQueues> &queues) {
  PrinterChoice choice;
  choice.queues = queues;
  const QueueState state = queues->defaultQueue();
  if (state.kind == QueueState::Kind::NoDefault) {
    choice.userPicks = true;
    return choice;
  }
  choice.failure = stateFailure(state);
  if (!choice.failure.isEmpty())
    return choice;
  const QPrinterInfo info = QPrinterInfo::printerInfo(state.name);
  if (info.isNull())
    choice.failure = stateFailure({QueueState::Kind::Unknown, state.name, {}});
  else
    choice.printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  return choice;
}

bool standardPrintDialog(QPrinter &printer, QWidget *parent) {
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

QString printProfile(const ListingJob &job, const PrinterFactory &factory,
                     const PrintDialog &dialog) {
  std::optional<BusyCursor> busy(std::in_place);
  PrinterChoice choice = factory ? factory() : PrinterChoice();
  const auto queued = [&choice] {
    return choice.queues && choice.printer->outputFormat() == QPrinter::NativeFormat;
  };
  if (choice.userPicks) {
    choice.printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    busy.reset(); // the dialog is the user's time
    if (!dialog || !dialog(*choice.printer, job.window ? job.window->window() : nullptr))
      return {};
    busy.emplace();
    if (queued()) {
      QString failure = stateFailure(choice.queues->queue(choice.printer->printerName()));
      if (!failure.isEmpty())
        return failure;
    }
  }
  if (!choice.printer)
    return choice.failure.isEmpty() ? QStringLiteral("No printers are installed.") : choice.failure;
  QString failure = drawJob(*choice.printer, job);
  if (failure.isEmpty() && queued()) {
    const QString refusal = choice.queues->refusalOfLastJob();
    if (!refusal.isEmpty())
      failure = QStringLiteral("The printer %1 did not take the job: %2")
                    .arg(choice.printer->printerName(), refusal);
  }
  return failure;
}

} // namespace dishwright
