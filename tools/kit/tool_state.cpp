#include "tools/kit/tool_state.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QTabWidget>

#include <algorithm>

namespace dishwright {
namespace {

// A choice's place, given back only where the list has it.
void choose(QComboBox *chooser, const QJsonValue &value) {
  if (chooser->isEditable() && value.isString()) {
    chooser->setEditText(value.toString());
    return;
  }
  const int index = value.toInt(-1);
  if (value.isDouble() && index >= 0 && index < chooser->count())
    chooser->setCurrentIndex(index);
}

QString spinText(const QAbstractSpinBox *box) {
  if (const auto *number = qobject_cast<const QDoubleSpinBox *>(box))
    return number->cleanText();
  return box->text();
}

void setSpinText(QAbstractSpinBox *box, const QString &text) {
  QString shown = text;
  if (const auto *number = qobject_cast<const QDoubleSpinBox *>(box))
    shown = number->prefix() + text + number->suffix();
  if (QLineEdit *edit = box->findChild<QLineEdit *>())
    edit->setText(shown);
  box->interpretText();
}

// The window's own list first, then its pages' in the order they were made.
std::vector<const ToolState *> statesOf(const QWidget *window) {
  std::vector<const ToolState *> states;
  for (const ToolState *state : window->findChildren<const ToolState *>())
    states.push_back(state);
  std::stable_partition(states.begin(), states.end(),
                        [](const ToolState *state) { return state->objectName().isEmpty(); });
  return states;
}

} // namespace

ToolState::ToolState(QWidget *owner, const QString &key) : QObject(owner) { setObjectName(key); }

void ToolState::add(const QString &key, QLineEdit *field) {
  add(
      key, [field] { return QJsonValue(field->text()); },
      [field](const QJsonValue &v) {
        if (v.isString())
          field->setText(v.toString());
      });
}

void ToolState::add(const QString &key, QAbstractSpinBox *box) {
  add(
      key, [box] { return QJsonValue(spinText(box)); },
      [box](const QJsonValue &v) {
        if (v.isString())
          setSpinText(box, v.toString());
      });
}

void ToolState::add(const QString &key, QComboBox *chooser) {
  add(
      key,
      [chooser] {
        return chooser->isEditable() ? QJsonValue(chooser->currentText())
                                     : QJsonValue(chooser->currentIndex());
      },
      [chooser](const QJsonValue &v) { choose(chooser, v); });
}

void ToolState::add(const QString &key, QTabWidget *tabs) {
  add(
      key, [tabs] { return QJsonValue(tabs->currentIndex()); },
      [tabs](const QJsonValue &v) {
        if (v.isDouble() && v.toInt() >= 0 && v.toInt() < tabs->count())
          tabs->setCurrentIndex(v.toInt());
      });
}

void ToolState::add(const QString &key, std::function<QJsonValue()> save,
                    std::function<void(const QJsonValue &)> restore) {
  entries_.push_back({key, std::move(save), std::move(restore)});
}

QJsonObject ToolState::save() const {
  QJsonObject inputs;
  for (const Entry &entry : entries_)
    inputs.insert(entry.key, entry.save());
  return inputs;
}

void ToolState::restore(const QJsonObject &inputs) const {
  for (const Entry &entry : entries_)
    if (const auto found = inputs.constFind(entry.key); found != inputs.constEnd())
      entry.restore(*found);
}

QJsonObject saveToolInputs(const QWidget *window) {
  QJsonObject inputs;
  for (const ToolState *state : statesOf(window)) {
    const QJsonObject own = state->save();
    if (state->objectName().isEmpty())
      for (auto it = own.begin(); it != own.end(); ++it)
        inputs.insert(it.key(), it.value());
    else
      inputs.insert(state->objectName(), own);
  }
  return inputs;
}

void restoreToolInputs(QWidget *window, const QJsonObject &inputs) {
  for (const ToolState *state : statesOf(window))
    state->restore(state->objectName().isEmpty() ? inputs
                                                 : inputs.value(state->objectName()).toObject());
}

bool hasToolInputs(const QWidget *window) { return !statesOf(window).empty(); }

} // namespace dishwright
