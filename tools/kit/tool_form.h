// Pieces every builder's tool window is made of: number fields with their labels,
// the length-unit chooser, the inline message, and figure texts.
#pragma once

#include "calc/common/length_unit.h"

#include <QString>

#include <optional>

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace dishwright {

// A number field on `form`, labelled `label` (with its mnemonic), named
// `accessibleName` for screen readers.
QLineEdit *addNumberField(QFormLayout *form, const QString &label, const QString &accessibleName);

// A chooser of inch, cm and mm, starting at `unit`.
QComboBox *makeUnitChooser(LengthUnit unit, QWidget *parent);
LengthUnit chosenUnit(const QComboBox *chooser);
// "in", "cm" or "mm", as figures in a window carry it.
QString unitSymbol(LengthUnit unit);

// A chooser of feet and metres for a whole dish's size, starting at `unit`.
QComboBox *makeDishSizeChooser(DishSizeUnit unit, QWidget *parent);
DishSizeUnit chosenDishSizeUnit(const QComboBox *chooser);
// "ft" or "m", as a dish's size carries it in a window.
QString unitSymbol(DishSizeUnit unit);

// The inline message under a tool's fields: a hint in the normal text colour, or an
// error in a red that reads on the palette's window colour, light or dark.
QLabel *makeMessageLabel(QWidget *parent);
void showHint(QLabel *label, const QString &text);
void showError(QLabel *label, const QString &what);

// Five significant digits, as on the command line, with the unit after a space
// when one is given.
QString figure(double value, const QString &unit = QString());

// The value typed into `field`, or nothing when the field is blank. Throws
// InputError naming `what` when the text is not a number.
std::optional<double> typedValue(const QLineEdit *field, const char *what);

} // namespace dishwright
