// Makes the Qt widget for one control of a screen's table.
#pragma once

#include "screens/control_spec.h"

#include <QColor>
#include <QFont>
#include <functional>

class QLineEdit;
class QWidget;

namespace dishwright {

class RowListModel;

QFont designFont(const FontSpec &design);
QColor designColour(Colour colour);

struct ControlHooks {
  RowListModel *rows = nullptr;  // the model a list control shows
  std::function<void()> onClick; // buttons and links
};

// Shows the whole of a field's text: the design font when the text fits the field,
// else the largest smaller size of the same face at which it does.
void fitFigure(QLineEdit *edit, const FontSpec &design);

// Creates the control as a child of `parent` at its place, with its design text.
QWidget *makeControl(const ControlSpec &design, QWidget *parent, const ControlHooks &hooks);

} // namespace dishwright
