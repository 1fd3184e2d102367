#include "tools/menu/user_edits.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSpinBox>

namespace dishwright {

void watchUserEdits(QWidget *window, QObject *receiver, const std::function<void()> &edited) {
  // A spin box's own field is a QLineEdit too: typing into it is textEdited, and
  // only its arrows need valueChanged, which the user alone sends once it shows.
  for (auto *field : window->findChildren<QLineEdit *>())
    QObject::connect(field, &QLineEdit::textEdited, receiver, edited);
  for (auto *spin : window->findChildren<QSpinBox *>())
    QObject::connect(spin, &QSpinBox::valueChanged, receiver, edited);
  for (auto *spin : window->findChildren<QDoubleSpinBox *>())
    QObject::connect(spin, &QDoubleSpinBox::valueChanged, receiver, edited);
  for (auto *chooser : window->findChildren<QComboBox *>())
    QObject::connect(chooser, &QComboBox::activated, receiver, edited);
  for (auto *button : window->findChildren<QAbstractButton *>())
    QObject::connect(button, &QAbstractButton::clicked, receiver, edited);
  // A table the user types into changes only by the user; a chooser's list is a
  // window of its own.
  for (auto *view : window->findChildren<QAbstractItemView *>()) {
    QAbstractItemModel *model = view->model();
    if (!model || view->window() != window ||
        view->editTriggers() == QAbstractItemView::NoEditTriggers)
      continue;
    QObject::connect(model, &QAbstractItemModel::dataChanged, receiver, edited);
    QObject::connect(model, &QAbstractItemModel::rowsInserted, receiver, edited);
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, receiver, edited);
    QObject::connect(model, &QAbstractItemModel::modelReset, receiver, edited);
  }
}

} // namespace dishwright
