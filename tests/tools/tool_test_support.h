// What the tool windows' tests share: reading a figure, typing as a user types,
// finding a button by its text, and where Tab goes.
#pragma once

#include "tools/kit/result_grid.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace dishwright::testing {

inline QString value(ResultGrid *grid, int row) { return grid->valueField(row)->text(); }

inline void type(QLineEdit *field, const QString &text) {
  field->clear();
  QTest::keyClicks(field, text);
}

inline QPushButton *button(QWidget *window, const QString &text) {
  for (auto *b : window->findChildren<QPushButton *>())
    if (b->text() == text)
      return b;
  return nullptr;
}

// The widget Tab moves to from `from` (the window need not be shown).
inline QWidget *nextTabStop(QWidget *from) {
  QWidget *w = from->nextInFocusChain();
  while (w != from && (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled()))
    w = w->nextInFocusChain();
  return w;
}

} // namespace dishwright::testing
