// The figures of a tool, one row each: what it is, its value, and a short line
// saying what it means for the builder.
#pragma once

#include <QString>
#include <QWidget>

#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;

namespace dishwright {

class ResultGrid : public QWidget {
  Q_OBJECT
public:
  explicit ResultGrid(QWidget *parent = nullptr);

  // Adds a row named `name` (also its screen-reader name) with the line `meaning`;
  // returns its index.
  int addRow(const QString &name, const QString &meaning);
  void setValue(int row, const QString &text);
  void setMeaning(int row, const QString &meaning);
  // Shows or hides a row whole: a figure that only some inputs have.
  void setRowVisible(int row, bool visible);
  // Empties every value: a figure shown must belong to the inputs shown.
  void clearValues();
  QLineEdit *valueField(int row) const;

private:
  struct Row {
    QLabel *name;
    QLineEdit *value;
    QLabel *meaning;
  };
  QGridLayout *grid_;
  std::vector<Row> rows_;
};

} // namespace dishwright
