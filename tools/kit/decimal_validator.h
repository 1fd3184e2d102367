// The one number entry of the tool windows, for line fields and spin boxes
// alike: any text may be typed (no keystroke is dropped), and what is typed is
// read by the core's grammar (the input screen's: blanks, a sign, digits with
// one ".", an exponent), never the desktop locale's, so that a number typed in
// a window is the number the command line reads from the same text. A text
// that is not a number, "2,5" among them, is refused in words by the window,
// as typedValue() (tool_form.h) and readDecimal() word it.
#pragma once

#include <QDoubleSpinBox>
#include <QValidator>

#include <optional>

namespace dishwright {

class DecimalValidator : public QValidator {
  Q_OBJECT
public:
  using QValidator::QValidator;
  // Acceptable for a number, Intermediate for anything else: the text stays as
  // typed for the window to refuse in words.
  State validate(QString &input, int &pos) const override;
};

// A spin box for a figure: its arrows step the value, its text is typed and
// read as above. It selects its text when it takes the focus, so that what the
// user types replaces the value instead of joining it. A text that is not a
// number stays in the box when the focus leaves (a spin box would otherwise put
// its last value back without a word), until the user mends it.
class DecimalSpinBox : public QDoubleSpinBox {
  Q_OBJECT
public:
  explicit DecimalSpinBox(QWidget *parent = nullptr);

  // The number typed, nothing while the box is blank or shows its special
  // value text. Throws InputError naming `what` when the text is not a number.
  std::optional<double> typedValue(const char *what) const;

  // setSuffix() that leaves a typed text that is not a number as it was (a
  // spin box rewrites its text from its value when its suffix changes).
  void setSuffixKeepingText(const QString &suffix);

  QValidator::State validate(QString &input, int &pos) const override;
  // Nothing: QDoubleSpinBox's own drops the locale's group separator, which
  // made "2,5" 25 in the C locale.
  void fixup(QString &input) const override;
  double valueFromText(const QString &text) const override;
  QString textFromValue(double value) const override;

signals:
  // Once on every change of the text, typed or set, number or not.
  void typed();

protected:
  void focusInEvent(QFocusEvent *event) override;
  void focusOutEvent(QFocusEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;

private:
  QString numberPart(const QString &text) const;
  bool showsSpecialValue() const;
  bool holdsNumber() const; // the text is the box's value
  void noteText();
  DecimalValidator validator_;
  QString noted_; // the text typed() was last emitted for
};

} // namespace dishwright
