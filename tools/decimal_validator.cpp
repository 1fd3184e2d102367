#include "tools/decimal_validator.h"

#include "calc/common/decimal_text.h"
#include "calc/common/number_grammar.h"

#include <QLineEdit>
#include <QTimer>

namespace dishwright {

QValidator::State DecimalValidator::validate(QString &input, int &) const {
  switch (numberState(input.toStdString())) {
  case NumberState::Number:
    return decimalValue(input.toStdString()) ? Acceptable : Intermediate;
  case NumberState::Prefix:
    return Intermediate;
  case NumberState::NotANumber:
    break;
  }
  return Invalid;
}

DecimalSpinBox::DecimalSpinBox(QWidget *parent) : QDoubleSpinBox(parent) {
  lineEdit()->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
}

// The text between the prefix and the suffix, as the user typed it.
QString DecimalSpinBox::numberPart(const QString &text) const {
  QString part = text;
  if (!prefix().isEmpty() && part.startsWith(prefix()))
    part.remove(0, prefix().size());
  if (!suffix().isEmpty() && part.endsWith(suffix()))
    part.chop(suffix().size());
  return part;
}

QValidator::State DecimalSpinBox::validate(QString &input, int &pos) const {
  if (!specialValueText().isEmpty() && input == specialValueText())
    return QValidator::Acceptable;
  QString part = numberPart(input);
  const QValidator::State state = validator_.validate(part, pos);
  if (state != QValidator::Acceptable)
    return state;
  const double value = *decimalValue(part.toStdString());
  return value >= minimum() && value <= maximum() ? QValidator::Acceptable
                                                  : QValidator::Intermediate;
}

double DecimalSpinBox::valueFromText(const QString &text) const {
  if (!specialValueText().isEmpty() && text == specialValueText())
    return minimum();
  return decimalValue(numberPart(text).toStdString()).value_or(value());
}

QString DecimalSpinBox::textFromValue(double value) const {
  return QString::number(value, 'f', decimals()); // "." whatever the locale
}

void DecimalSpinBox::focusInEvent(QFocusEvent *event) {
  QDoubleSpinBox::focusInEvent(event);
  // After the focus change has placed the cursor: a click must not undo it.
  QTimer::singleShot(0, this, [this] { selectAll(); });
}

} // namespace dishwright
