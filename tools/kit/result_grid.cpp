#include "tools/kit/result_grid.h"

#include "tools/kit/tool_colours.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace dishwright {

ResultGrid::ResultGrid(QWidget *parent) : QWidget(parent), grid_(new QGridLayout(this)) {
  grid_->setContentsMargins(0, 0, 0, 0);
  grid_->setColumnStretch(2, 1);
}

int ResultGrid::addRow(const QString &name, const QString &meaning) {
  const int row = static_cast<int>(rows_.size());
  auto *label = new QLabel(name + QLatin1Char(':'), this);
  // Read-only fields rather than labels: a keyboard reaches them, a screen reader
  // reads them, and a figure can be copied.
  auto *value = new QLineEdit(this);
  value->setReadOnly(true);
  value->setAccessibleName(name);
  value->setAccessibleDescription(meaning);
  value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("0.000000 mm")));
  label->setBuddy(value);
  auto *line = new QLabel(meaning, this);
  line->setWordWrap(true);
  QPalette quiet = line->palette();
  quiet.setColor(QPalette::WindowText, quietTextColour(quiet));
  line->setPalette(quiet);
  grid_->addWidget(label, row, 0);
  grid_->addWidget(value, row, 1);
  grid_->addWidget(line, row, 2);
  rows_.push_back({label, value, line});
  return row;
}

void ResultGrid::setValue(int row, const QString &text) { rows_.at(row).value->setText(text); }

void ResultGrid::setMeaning(int row, const QString &meaning) {
  rows_.at(row).meaning->setText(meaning);
  rows_.at(row).value->setAccessibleDescription(meaning);
}

void ResultGrid::setRowVisible(int row, bool visible) {
  const Row &r = rows_.at(row);
  for (QWidget *w : {static_cast<QWidget *>(r.name), static_cast<QWidget *>(r.value),
                     static_cast<QWidget *>(r.meaning)})
    w->setVisible(visible);
}

void ResultGrid::clearValues() {
  for (const Row &r : rows_)
    r.value->clear();
}

QLineEdit *ResultGrid::valueField(int row) const { return rows_.at(row).value; }

} // namespace dishwright
