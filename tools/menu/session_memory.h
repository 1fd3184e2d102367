// What the program keeps between runs (QSettings, in the user's configuration
// folder: ~/.config/dishwright/dishwright.conf on Linux): the design last typed
// and every tool window's last inputs, the windows' sizes and places, the
// design files opened last and the folder the file dialogs were in.
#pragma once

#include <QHash>
#include <QObject>
#include <QRect>
#include <QString>

class QSettings;
class QWidget;

namespace dishwright {

class DesignDocument;
class ScreenSet;
class ToolMenu;

class SessionMemory : public QObject {
  Q_OBJECT
public:
  // Remembers in `settings`, which outlives it. Make it before the first screen
  // is opened: from then on each window opened takes its remembered place.
  SessionMemory(QSettings &settings, DesignDocument &document, ScreenSet &screens, ToolMenu &tools,
                QObject *parent = nullptr);

  // Gives the document the design and the tools' inputs of the last run, and
  // the recent files and the dialogs' folder; nothing on the first run.
  void recall();
  // Writes down everything as it is now, for the next run.
  void store();

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void place(QWidget *window, const QString &key, bool sized);

  QSettings &settings_;
  DesignDocument &document_;
  QHash<QWidget *, QString> windows_; // the windows placed, by their key
  QHash<QString, QRect> places_;      // where each window was last, by its key
};

} // namespace dishwright
