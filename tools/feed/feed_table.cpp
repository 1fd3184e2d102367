#include "tools/feed/feed_table.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QTableWidget>

namespace dishwright {
namespace {

struct CommonFeed {
  const char *feed;
  const char *fd;
  const char *basis;
};

// The can rows and the beamwidth rows are this program's own figures (the best
// f/D of its TE11 can and of the cos^n feed of that -10 dB beamwidth, at each
// end of the range); the horn rows are what their designer and builders publish.
// Only single-mode cans are listed, 0.62 to 0.7655 λ (weak below, TM01 above),
// with the best f/D of the simulated real cans (0.319, 0.365 and 0.386 at 0.62,
// 0.70 and 0.765 λ; the open-waveguide formula puts them 0.01 - 0.04 lower).
// clang-format off
const CommonFeed kFeeds[] = {
  {QT_TRANSLATE_NOOP("FeedTable", "Open can, 0.62 - 0.70 λ inside"), "0.32 - 0.37",
   QT_TRANSLATE_NOOP("FeedTable", "the simulated real cans")},
  {QT_TRANSLATE_NOOP("FeedTable", "Open can, 0.70 - 0.765 λ inside"), "0.37 - 0.39",
   QT_TRANSLATE_NOOP("FeedTable", "the same; TM01 past 0.7655 λ")},
  {QT_TRANSLATE_NOOP("FeedTable", "Choke-ring (scalar) feed, VE4MA"), "0.35 - 0.40",
   QT_TRANSLATE_NOOP("FeedTable", "its designer")},
  {QT_TRANSLATE_NOOP("FeedTable", "Dual-mode (Potter) horn"), "0.5 - 0.6",
   QT_TRANSLATE_NOOP("FeedTable", "its builders")},
  {QT_TRANSLATE_NOOP("FeedTable", "10 dB down at 140 - 120° across"), "0.39 - 0.46",
   QT_TRANSLATE_NOOP("FeedTable", "cos^n of that width")},
  {QT_TRANSLATE_NOOP("FeedTable", "10 dB down at 100 - 80° across"), "0.56 - 0.69",
   QT_TRANSLATE_NOOP("FeedTable", "cos^n of that width")},
  {QT_TRANSLATE_NOOP("FeedTable", "10 dB down at 70 - 60° across"), "0.79 - 0.92",
   QT_TRANSLATE_NOOP("FeedTable", "cos^n; offset dishes")},
};
// clang-format on

QString translated(const char *text) { return QCoreApplication::translate("FeedTable", text); }

} // namespace

QTableWidget *makeFeedTable(QWidget *parent) {
  const int rows = static_cast<int>(std::size(kFeeds));
  auto *table = new QTableWidget(rows, 3, parent);
  table->setHorizontalHeaderLabels({translated(QT_TRANSLATE_NOOP("FeedTable", "Feed")),
                                    translated(QT_TRANSLATE_NOOP("FeedTable", "Suits f/D")),
                                    translated(QT_TRANSLATE_NOOP("FeedTable", "Figure from"))});
  for (int row = 0; row < rows; ++row) {
    const QString texts[] = {translated(kFeeds[row].feed), QString::fromUtf8(kFeeds[row].fd),
                             translated(kFeeds[row].basis)};
    for (int column = 0; column < 3; ++column)
      table->setItem(row, column, new QTableWidgetItem(texts[column]));
  }
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setTabKeyNavigation(false); // Tab leaves the table; the arrows move in it
  table->verticalHeader()->hide();
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table->horizontalHeader()->setStretchLastSection(true);
  table->setWordWrap(false);
  table->setAccessibleName(QCoreApplication::translate("FeedTable", "common amateur feeds"));
  table->setAccessibleDescription(
      QCoreApplication::translate("FeedTable", "each feed with the f/D range of dish it suits"));
  // As tall as its rows: the table is a reference card, not a list to scroll.
  table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table->resizeRowsToContents();
  int height = table->horizontalHeader()->sizeHint().height() + 2 * table->frameWidth();
  for (int row = 0; row < rows; ++row)
    height += table->rowHeight(row);
  table->setFixedHeight(height);
  return table;
}

} // namespace dishwright
