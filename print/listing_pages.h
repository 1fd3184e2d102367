// A listing too long for its window, printed whole: the list's six-column
// layout continued over as many pages as it needs, each page headed with the
// design and its number. Rows are read from the model as each page is drawn, so
// a long listing is never copied.
#pragma once

#include <QString>

#include <functional>

class QAbstractItemModel;
class QListView;
class QPainter;
class QPrinter;

namespace dishwright {

class ListingPages {
public:
  // `heading`: the design the rows belong to, printed at the top of every page.
  ListingPages(const QListView &list, const QAbstractItemModel &rows, QString heading);

  // Draws the pages on a painter open on `printer`, scaled to layout pixels
  // (1/96 inch) from the corner of the printable area. Returns false when the
  // printer would not start a new page. `progress`, when given, is told before
  // each page (from 0 of the pages printed); false from it stops the job, and
  // `cancelled` says so.
  bool print(QPainter &painter, QPrinter &printer,
             const std::function<bool(int page, int pages)> &progress = {},
             bool *cancelled = nullptr);

  int pageCount() const;

private:
  void layOut(const QPrinter &printer);
  void drawPage(QPainter &painter, int page) const;

  const QListView &list_;
  const QAbstractItemModel &rows_;
  QString heading_;
  // Geometry in layout pixels, set for the printer's page by print().
  int pageWidth_ = 0, rowsTop_ = 0, rowHeight_ = 1, rowsPerColumn_ = 1;
};

} // namespace dishwright
