#include "tools/kit/decimal_validator.h"

#include "calc/common/decimal_text.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include <cmath>

namespace dishwright {

QValidator::State DecimalValidator::validate(QString &input, int &) const {
  return decimalValue(input.toStdString()) ? Acceptable : Intermediate;
}

DecimalSpinBox::DecimalSpinBox(QWidget *parent) : QDoubleSpinBox(parent) {
  lineEdit()->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
  // Typing changes the line; setValue() and the arrows change it with its
  // signals blocked and say so through textChanged of the box.
  connect(lineEdit(), &QLineEdit::textChanged, this, &DecimalSpinBox::noteText);
  connect(this, &QDoubleSpinBox::textChanged, this, &DecimalSpinBox::noteText);
}

void DecimalSpinBox::noteText() {
  if (text() == noted_)
    return;
  noted_ = text();
  emit typed();
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

bool DecimalSpinBox::showsSpecialValue() const {
  return !specialValueText().isEmpty() && text() == specialValueText();
}

std::optional<double> DecimalSpinBox::typedValue(const char *what) const {
  const QString part = numberPart(text());
  if (showsSpecialValue() || part.trimmed().isEmpty())
    return std::nullopt;
  return readDecimal(part.toStdString(), what);
}

bool DecimalSpinBox::holdsNumber() const {
  int pos = 0;
  QString shown = text();
  return validate(shown, pos) == QValidator::Acceptable;
}

void DecimalSpinBox::setSuffixKeepingText(const QString &suffix) {
  if (suffix == this->suffix())
    return;
  const QString typedPart = numberPart(text());
  const bool keep = !holdsNumber();
  setSuffix(suffix);
  if (keep)
    lineEdit()->setText(prefix() + typedPart + suffix);
}

QValidator::State DecimalSpinBox::validate(QString &input, int &pos) const {
  if (!specialValueText().isEmpty() && input == specialValueText())
    return QValidator::Acceptable;
  QString part = numberPart(input);
  if (validator_.validate(part, pos) != QValidator::Acceptable)
    return QValidator::Intermediate;
  // The box's value only when it holds the number as typed: within its range
  // and no finer than its decimals (it would round 12.5 gores to 13).
  const double value = *decimalValue(part.toStdString());
  const double scale = std::pow(10.0, decimals());
  const bool held = std::round(value * scale) / scale == value;
  return held && value >= minimum() && value <= maximum() ? QValidator::Acceptable
                                                          : QValidator::Intermediate;
}

void DecimalSpinBox::fixup(QString &) const {}

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

// QAbstractSpinBox puts its last value back over a text that is not a number
// when the focus leaves or Enter is pressed; here the text stays, and the
// window's words about it too.
void DecimalSpinBox::focusOutEvent(QFocusEvent *event) {
  if (holdsNumber()) {
    QDoubleSpinBox::focusOutEvent(event);
    return;
  }
  QCoreApplication::sendEvent(lineEdit(), event); // the line shows it has lost the focus
  QWidget::focusOutEvent(event);                  // NOLINT(bugprone-parent-virtual-call)
  emit editingFinished();
}

void DecimalSpinBox::keyPressEvent(QKeyEvent *event) {
  const bool enter = event->key() == Qt::Key_Enter || event->key() == Qt::Key_Return;
  if (!enter || holdsNumber()) {
    QDoubleSpinBox::keyPressEvent(event);
    return;
  }
  selectAll();
  event->ignore();
  emit editingFinished();
}

} // namespace dishwright
