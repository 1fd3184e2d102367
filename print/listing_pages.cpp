#include "print/listing_pages.h"

#include "print/window_page.h"

#include <QListView>
#include <QPainter>
#include <QPrinter>
#include <QStyle>

#include <algorithm>

namespace dishwright {
namespace {

constexpr int kColumns = 6;
constexpr qreal kLayoutPixelsPerInch = 96.0;
constexpr int kRuleGapPx = 4; // layout px between the heading, its rule and the rows

} // namespace

ListingPages::ListingPages(const QListView &list, const QAbstractItemModel &rows, QString heading)
    : list_(list), rows_(rows), heading_(std::move(heading)) {}

int ListingPages::pageCount() const {
  const int perPage = kColumns * rowsPerColumn_;
  return std::max(1, (rows_.rowCount() + perPage - 1) / perPage);
}

bool ListingPages::print(QPainter &painter, QPrinter &printer,
                         const std::function<bool(int page, int pages)> &progress,
                         bool *cancelled) {
  layOut(printer);
  const int pages = pageCount();
  // A range picked in the print dialog (pages count from 1; 0 means all).
  const int first = printer.fromPage() > 0 ? std::min(printer.fromPage(), pages) : 1;
  const int last = printer.toPage() > 0 ? std::min(printer.toPage(), pages) : pages;
  for (int page = first; page <= last; ++page) {
    if (progress && !progress(page - first, last - first + 1)) {
      if (cancelled)
        *cancelled = true;
      return false;
    }
    if (page > first && !printer.newPage())
      return false;
    drawPage(painter, page);
  }
  return true;
}

void ListingPages::layOut(const QPrinter &printer) {
  const QRectF area = printer.pageLayout().paintRect(QPageLayout::Inch);
  pageWidth_ = static_cast<int>(area.width() * kLayoutPixelsPerInch);
  const int pageHeight = static_cast<int>(area.height() * kLayoutPixelsPerInch);
  rowHeight_ =
      list_.gridSize().isEmpty() ? QFontMetrics(list_.font()).height() : list_.gridSize().height();
  rowsTop_ = QFontMetrics(list_.font()).height() + 2 * kRuleGapPx;
  rowsPerColumn_ = std::max(1, (pageHeight - rowsTop_) / rowHeight_);
}

void ListingPages::drawPage(QPainter &painter, int page) const {
  // Paper is white whatever the desktop's colours: the style's own light palette.
  const QPalette palette = list_.style()->standardPalette();
  const int lineHeight = QFontMetrics(list_.font()).height();
  painter.setFont(list_.font());
  painter.setPen(palette.color(QPalette::Text));
  const QRect headingLine(0, 0, pageWidth_, lineHeight);
  painter.drawText(headingLine, Qt::AlignLeft | Qt::AlignVCenter, heading_);
  painter.drawText(headingLine, Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("page %1 of %2").arg(page).arg(pageCount()));
  const int ruleY = lineHeight + kRuleGapPx;
  painter.drawLine(0, ruleY, pageWidth_, ruleY);

  const int perPage = kColumns * rowsPerColumn_;
  const int begin = (page - 1) * perPage;
  const int end = std::min(rows_.rowCount(), begin + perPage);
  const int columnWidth = pageWidth_ / kColumns;
  for (int row = begin; row < end; ++row) {
    const int i = row - begin;
    const QRect cell(i / rowsPerColumn_ * columnWidth, rowsTop_ + i % rowsPerColumn_ * rowHeight_,
                     columnWidth, rowHeight_);
    drawRow(painter, list_, palette, rowText(rows_, row), cell);
  }
}

} // namespace dishwright
