// The manual in a window of its own: the program's help pages, shipped inside it,
// read in a help browser with a list of the sections beside them.
#pragma once

#include <QString>
#include <QWidget>

class QListWidget;
class QTextBrowser;

namespace dishwright {

class HelpWindow : public QWidget {
  Q_OBJECT

public:
  explicit HelpWindow(QWidget *parent = nullptr);

  // Shows the manual at the section named `anchor` ("input", "templates"); the
  // start of the manual for a name it has no section of.
  void showSection(const QString &anchor);
  // The section the reader is in: the one whose heading is shown at the top or above it.
  QString section() const;
  QTextBrowser *browser() const { return browser_; }
  QListWidget *contents() const { return contents_; }

private:
  void fillContents();

  QTextBrowser *browser_;
  QListWidget *contents_;
};

} // namespace dishwright
