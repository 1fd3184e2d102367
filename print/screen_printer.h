// Printing a print screen: the window as it stands when every row fits it, else
// the whole listing over as many pages as it needs; as text and lines either way.
#pragma once

#include <QString>

#include <functional>
#include <memory>

class QListView;
class QPrinter;
class QWidget;

namespace dishwright {

class PrintQueues;

// Where a job goes, or why it cannot go.
struct PrinterChoice {
  PrinterChoice();
  // A ready printer, such as a PDF file (implicit: a factory may just return one).
  PrinterChoice(std::unique_ptr<QPrinter> ready);
  PrinterChoice(PrinterChoice &&) noexcept;
  PrinterChoice &operator=(PrinterChoice &&) noexcept;
  ~PrinterChoice();

  std::unique_ptr<QPrinter> printer; // null when there is none
  QString failure;                   // why there is none; "" when none is installed
  bool userPicks = false;            // printers are installed but none is the default
  // The print system the printer belongs to: asked about a printer the user
  // picks and about the job once handed over. Null for printers that are files.
  std::shared_ptr<const PrintQueues> queues;
};

using PrinterFactory = std::function<PrinterChoice()>;
// Lets the user pick a printer for `printer` (the standard print dialog, over
// `parent`); false when the user cancels.
using PrintDialog = std::function<bool(QPrinter &printer, QWidget *parent)>;

// The print system's default printer (CUPS), or why there is none.
PrinterChoice defaultPrinter();
PrinterChoice defaultPrinterIn(const std::shared_ptr<const PrintQueues> &queues);
bool standardPrintDialog(QPrinter &printer, QWidget *parent);

// What a print screen hands to the printer: the part of its window that is
// printed (the screen under the menu bar), the list of profile rows in it, and the
// design the rows belong to, for the heading of every page.
struct ListingJob {
  QWidget *window = nullptr; // a print dialog goes over its top-level window
  const QListView *list = nullptr;
  QString heading;
  // Told before each page of a long listing (from 0 of the pages); false cancels
  // the job. None: the job runs to its end.
  std::function<bool(int page, int pages)> progress;
};

// Prints a print screen's listing on the printer the factory gives or the user
// picks, under a busy cursor. Returns "" when the job went or the user cancelled,
// else the reason it did not, for the user.
QString printProfile(const ListingJob &job, const PrinterFactory &factory,
                     const PrintDialog &dialog);

} // namespace dishwright
