// The one reading of typed numbers in the tool windows: the core's grammar (the
// input screen's: blanks, a sign, digits with one ".", an exponent), never the
// desktop locale's, so a number typed in a window is the number the command line
// reads from the same text.
#pragma once

#include <QDoubleSpinBox>
#include <QValidator>

namespace dishwright {

class DecimalValidator : public QValidator {
  Q_OBJECT
public:
  using QValidator::QValidator;
  // Acceptable for a number, Intermediate for what may still become one ("",
  // "-", "1e"), Invalid otherwise.
  State validate(QString &input, int &pos) const override;
};

// A spin box for a double-precision figure that reads and writes its text by
// the core's grammar ("0.45", never "0,45"), and selects its text when it takes
// the focus, so that what the user types replaces the value instead of joining it.
class DecimalSpinBox : public QDoubleSpinBox {
  Q_OBJECT
public:
  explicit DecimalSpinBox(QWidget *parent = nullptr);

  QValidator::State validate(QString &input, int &pos) const override;
  double valueFromText(const QString &text) const override;
  QString textFromValue(double value) const override;

protected:
  void focusInEvent(QFocusEvent *event) override;

private:
  QString numberPart(const QString &text) const;
  DecimalValidator validator_;
};

} // namespace dishwright
