// How the user's changes reach the table of measured points: each one (a cell
// typed, a paste, a delete, a clear) is a step the surface page's undo stack can
// take back, and a cell editor gives Tab back to the window.
#pragma once

#include "tools/measure/point_table_model.h"

#include <QStyledItemDelegate>
#include <QUndoCommand>

#include <functional>

class QAbstractItemView;

namespace dishwright {

// One change of the table: the rows it touches are saved before it first runs
// and put back on undo; redo runs it again.
class PointTableCommand : public QUndoCommand {
public:
  using Change = std::function<void(PointTableModel &)>;
  // `firstRow` to `lastRow` are the rows `change` may overwrite; rows it adds at
  // the end are removed again on undo.
  PointTableCommand(const QString &text, PointTableModel *model, int firstRow, int lastRow,
                    Change change);

  void undo() override;
  void redo() override;

private:
  PointTableModel *model_;
  PointTableModel::Saved saved_;
  Change change_;
};

// The cell editor of the points table. A typed cell goes out as edited() (the page
// makes it a step of its own) instead of straight into the model; Tab and
// Shift+Tab close the editor and move on from the table, as from any field,
// instead of opening the next cell.
class PointEditDelegate : public QStyledItemDelegate {
  Q_OBJECT
public:
  explicit PointEditDelegate(QAbstractItemView *view);

  void setModelData(QWidget *editor, QAbstractItemModel *model,
                    const QModelIndex &index) const override;

signals:
  void edited(int row, int column, const QString &text) const;

protected:
  bool eventFilter(QObject *object, QEvent *event) override;

private:
  QAbstractItemView *view_;
};

} // namespace dishwright
