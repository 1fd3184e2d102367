#include "tools/measure/step_button.h"

#include <QFocusEvent>
#include <QUndoStack>

namespace dishwright {

StepButton::StepButton(QUndoStack *stack, Direction direction, QWidget *parent)
    : QPushButton(direction == Back ? tr("Un&do") : tr("R&edo"), parent) {
  const bool back = direction == Back;
  setAvailable(back ? stack->canUndo() : stack->canRedo());
  connect(stack, back ? &QUndoStack::canUndoChanged : &QUndoStack::canRedoChanged, this,
          &StepButton::setAvailable);
  connect(stack, back ? &QUndoStack::undoTextChanged : &QUndoStack::redoTextChanged, this,
          [this, back](const QString &step) {
            const QString what =
                step.isEmpty() ? QString() : (back ? tr("Undo %1") : tr("Redo %1")).arg(step);
            setToolTip(what);
            setAccessibleDescription(what);
          });
  // Pressed with no step left (it still has the focus), the stack does nothing.
  connect(this, &QPushButton::clicked, stack, back ? &QUndoStack::undo : &QUndoStack::redo);
}

void StepButton::setAvailable(bool available) {
  available_ = available;
  setEnabled(available || holdsFocus());
}

bool StepButton::holdsFocus() const { return window()->focusWidget() == this; }

void StepButton::focusOutEvent(QFocusEvent *event) {
  QPushButton::focusOutEvent(event);
  // Another window made active, or a menu opened, leaves the focus here.
  if (!available_ && !holdsFocus())
    setEnabled(false);
}

} // namespace dishwright
