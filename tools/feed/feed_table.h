// The feeds amateurs build most, with the f/D each lights best, as a compact
// read-only table for the feed window. Where each figure comes from is in the
// README's "Feed and efficiency".
#pragma once

class QTableWidget;
class QWidget;

namespace dishwright {

QTableWidget *makeFeedTable(QWidget *parent = nullptr);

} // namespace dishwright
