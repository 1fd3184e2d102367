#include "tools/kit/named_combo_box.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

namespace dishwright {
namespace {

class NamedComboBox : public QAccessibleWidget {
public:
  explicit NamedComboBox(QComboBox *box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

  QString text(QAccessible::Text t) const override {
    const auto *box = static_cast<const QComboBox *>(widget());
    if (t == QAccessible::Value)
      return box->currentText();
    if (t == QAccessible::Name && !box->accessibleName().isEmpty())
      return box->accessibleName();
    return QAccessibleWidget::text(t);
  }
  // The list the box opens, as the toolkit's own interface has it.
  int childCount() const override { return 1; }
  QAccessibleInterface *child(int index) const override {
    return index == 0 ? QAccessible::queryAccessibleInterface(
                            static_cast<const QComboBox *>(widget())->view())
                      : nullptr;
  }
  int indexOfChild(const QAccessibleInterface *child) const override {
    return child && child->object() == static_cast<const QComboBox *>(widget())->view() ? 0 : -1;
  }
};

QAccessibleInterface *namedComboBoxes(const QString &className, QObject *object) {
  if (className == QLatin1String("QComboBox") && object && object->isWidgetType())
    return new NamedComboBox(static_cast<QComboBox *>(object));
  return nullptr;
}

} // namespace

void useNamedComboBoxes() {
  static const bool installed = [] {
    QAccessible::installFactory(namedComboBoxes);
    return true;
  }();
  Q_UNUSED(installed);
}

} // namespace dishwright
