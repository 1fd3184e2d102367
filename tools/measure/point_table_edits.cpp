#include "tools/measure/point_table_edits.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMetaProperty>

namespace dishwright {

PointTableCommand::PointTableCommand(const QString &text, PointTableModel *model, int firstRow,
                                     int lastRow, Change change)
    : QUndoCommand(text), model_(model), saved_(model->save(firstRow, lastRow)),
      change_(std::move(change)) {}

void PointTableCommand::undo() { model_->restore(saved_); }

void PointTableCommand::redo() { change_(*model_); }

PointEditDelegate::PointEditDelegate(QAbstractItemView *view)
    : QStyledItemDelegate(view), view_(view) {}

void PointEditDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                     const QModelIndex &index) const {
  const QByteArray property = editor->metaObject()->userProperty().name();
  const QString text = editor->property(property.constData()).toString();
  if (text != model->data(index, Qt::EditRole).toString()) // opened and left as it was
    emit edited(index.row(), index.column(), text);
}

bool PointEditDelegate::eventFilter(QObject *object, QEvent *event) {
  auto *editor = qobject_cast<QWidget *>(object);
  if (editor && event->type() == QEvent::KeyPress) {
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
    if (tab && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
      emit commitData(editor);
      emit closeEditor(editor, NoHint);
      // The view has the focus again and, without Tab navigation of its own,
      // hands it to the next field.
      QKeyEvent onward(QEvent::KeyPress, key->key(), key->modifiers());
      QCoreApplication::sendEvent(view_, &onward);
      return true;
    }
  }
  return QStyledItemDelegate::eventFilter(object, event);
}

} // namespace dishwright
