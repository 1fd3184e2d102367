// Undo or Redo under the measured points: enabled while there is a step to take,
// its tooltip saying which one. A button whose last step is taken while it has
// the focus keeps the focus, and greys out only once the focus leaves it: a
// disabled button would hand the focus on to the next one, and the next presses
// of Space would land there (Undo run out would redo everything).
#pragma once

#include <QPushButton>

class QUndoStack;

namespace dishwright {

class StepButton : public QPushButton {
  Q_OBJECT
public:
  enum Direction { Back, Forward }; // undo, redo
  StepButton(QUndoStack *stack, Direction direction, QWidget *parent = nullptr);

protected:
  void focusOutEvent(QFocusEvent *event) override;

private:
  void setAvailable(bool available);
  // The focus of its window, active or not.
  bool holdsFocus() const;

  bool available_ = false; // a step to take
};

} // namespace dishwright
