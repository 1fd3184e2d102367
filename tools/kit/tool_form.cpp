#include "tools/kit/tool_form.h"

#include "calc/common/decimal_text.h"
#include "calc/common/figure_text.h"
#include "tools/kit/tool_colours.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace dishwright {

QLineEdit *addNumberField(QFormLayout *form, const QString &label, const QString &accessibleName) {
  auto *field = new QLineEdit;
  field->setAccessibleName(accessibleName);
  field->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
  form->addRow(label, field);
  return field;
}

QComboBox *makeUnitChooser(LengthUnit unit, QWidget *parent) {
  auto *chooser = new QComboBox(parent);
  chooser->addItem(QObject::tr("inch"), static_cast<int>(LengthUnit::Inch));
  chooser->addItem(QObject::tr("cm"), static_cast<int>(LengthUnit::Cm));
  chooser->addItem(QObject::tr("mm"), static_cast<int>(LengthUnit::Mm));
  chooser->setCurrentIndex(chooser->findData(static_cast<int>(unit)));
  chooser->setAccessibleName(QObject::tr("length unit"));
  return chooser;
}

LengthUnit chosenUnit(const QComboBox *chooser) {
  return static_cast<LengthUnit>(chooser->currentData().toInt());
}

QString unitSymbol(LengthUnit unit) { return QString::fromLatin1(lengthSymbol(unit)); }

QComboBox *makeDishSizeChooser(DishSizeUnit unit, QWidget *parent) {
  auto *chooser = new QComboBox(parent);
  chooser->addItem(QObject::tr("feet"), static_cast<int>(DishSizeUnit::Feet));
  chooser->addItem(QObject::tr("metres"), static_cast<int>(DishSizeUnit::Metres));
  chooser->setCurrentIndex(chooser->findData(static_cast<int>(unit)));
  chooser->setAccessibleName(QObject::tr("dish diameter unit"));
  return chooser;
}

DishSizeUnit chosenDishSizeUnit(const QComboBox *chooser) {
  return static_cast<DishSizeUnit>(chooser->currentData().toInt());
}

QString unitSymbol(DishSizeUnit unit) { return QString::fromLatin1(dishSizeSymbol(unit)); }

QLabel *makeMessageLabel(QWidget *parent) {
  auto *label = new QLabel(parent);
  label->setWordWrap(true);
  label->setAccessibleName(QObject::tr("message"));
  label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  return label;
}

void showHint(QLabel *label, const QString &text) {
  label->setPalette(QPalette());
  label->setText(text);
}

void showError(QLabel *label, const QString &what) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, errorColour(palette));
  label->setPalette(palette);
  QString text = what;
  if (!text.isEmpty())
    text[0] = text[0].toUpper();
  label->setText(text + QLatin1Char('.'));
}

QString figure(double value, const QString &unit) {
  const auto text = figureAs<QString>(value, kMeasuredDigits);
  return unit.isEmpty() ? text : text + QLatin1Char(' ') + unit;
}

std::optional<double> typedValue(const QLineEdit *field, const char *what) {
  const QString text = field->text();
  if (text.trimmed().isEmpty())
    return std::nullopt;
  return readDecimal(text.toStdString(), what);
}

} // namespace dishwright
