// A tool window's inputs as a JSON object, to be saved in a design file or kept
// between runs and given back to a window made later. Each window lists its
// inputs once, by keys that never change with the language: a ToolState made on
// the window (or on one of its pages, with the page's key) holds the list, and
// saveToolInputs()/restoreToolInputs() go through every list the window holds.
// Texts are kept as typed, choices by their place in the list.
#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QAbstractSpinBox;
class QComboBox;
class QLineEdit;
class QTabWidget;
class QWidget;

namespace dishwright {

class ToolState : public QObject {
  Q_OBJECT
public:
  // The inputs of `owner`: the window's own with an empty `key`, a page's under
  // its key ("prime").
  explicit ToolState(QWidget *owner, const QString &key = QString());

  void add(const QString &key, QLineEdit *field);
  void add(const QString &key, QAbstractSpinBox *box); // its text, without suffix
  void add(const QString &key, QComboBox *chooser);    // its place; the text when editable
  void add(const QString &key, QTabWidget *tabs);      // the page shown
  // Anything else: what `save` gives, `restore` takes back.
  void add(const QString &key, std::function<QJsonValue()> save,
           std::function<void(const QJsonValue &)> restore);

  QJsonObject save() const;
  // Given back in the order the inputs were added (a unit before the sizes in it);
  // an input missing from `inputs`, or of another kind, stays as it is.
  void restore(const QJsonObject &inputs) const;

private:
  struct Entry {
    QString key;
    std::function<QJsonValue()> save;
    std::function<void(const QJsonValue &)> restore;
  };
  std::vector<Entry> entries_;
};

// Every input `window` lists: its own, and each page's under the page's key.
QJsonObject saveToolInputs(const QWidget *window);
void restoreToolInputs(QWidget *window, const QJsonObject &inputs);
// Whether `window` lists any input.
bool hasToolInputs(const QWidget *window);

} // namespace dishwright
