// The design being worked on as one document: the input screen's fields, the
// unit of the calculation screen loaded last and every tool window's inputs,
// opened from and saved to a design file (design/design_file.h). The windows'
// titles name the file, with an asterisk while changes are not saved; quitting
// and opening another design ask before such changes are lost.
#pragma once

#include "design/design_file.h"
#include "tools/kit/design_seed.h"

#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <optional>

class QWidget;

namespace dishwright {

class ScreenSet;
class ToolMenu;

class DesignDocument : public QObject {
  Q_OBJECT
public:
  // Watches `screens` and `tools` from now on: make it before the first screen
  // is opened. It joins the screens' quit guard (addBuilderTools() sets it first).
  DesignDocument(ScreenSet &screens, ToolMenu &tools, QObject *parent = nullptr);

  QString path() const { return path_; } // "" until the design is opened or saved
  bool isModified() const { return modified_; }
  // The design files opened or saved, the latest first.
  QStringList recentDesigns() const { return recent_; }
  void setRecentDesigns(const QStringList &paths);

  // Everything the document holds, as a design file: the open tool windows'
  // inputs as they stand, the closed ones' as they were left.
  DesignFile gather() const;
  // Puts `file` in place of the work open now (tool windows close without
  // asking): the input screen's fields, the unit, the tools' inputs, each given
  // to its window when it is next opened; with `reopen`, the windows open when
  // the file was saved open again. Not a change the user made.
  void apply(const DesignFile &file, bool reopen);

  // How the user is asked whether to go on and lose the unsaved changes (true:
  // go on), told why a file was refused, and asked for a file's name ("" to
  // cancel). By default message boxes and file dialogs; tests answer instead.
  using Question = std::function<bool(QWidget *over, const QString &question)>;
  using Reporter = std::function<void(QWidget *over, const QString &message)>;
  using FileChooser = std::function<QString(QWidget *over, bool forSaving)>;
  void setQuestion(Question ask) { ask_ = std::move(ask); }
  void setReporter(Reporter report) { report_ = std::move(report); }
  void setFileChooser(FileChooser choose) { choose_ = std::move(choose); }

  // Whether the unsaved changes may be lost: true when there are none or the
  // user agrees (measure windows then close without asking again). Quitting asks
  // only for a design file's changes: the memory between runs keeps the others.
  bool mayDiscardChanges(QWidget *over);

public slots:
  // Opens the design file at `path` in place of the work open now, after asking
  // about unsaved changes. False, with nothing changed, when refused (said in
  // words) or cancelled.
  bool open(const QString &path);
  // Saves to the file open, or asks for a name when there is none.
  bool save();
  // Saves to `path`, which becomes the file open.
  bool saveAs(const QString &path);
  // "Open design..." and "Save design as...": the file dialogs, then the above.
  bool openWithDialog();
  bool saveAsWithDialog();

signals:
  void modifiedChanged(bool modified);
  void pathChanged(const QString &path);
  void recentDesignsChanged(const QStringList &paths);

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void watchScreen(int id, QWidget *window);
  void watchTool(QWidget *window);
  // The entry of tool `index` in a design file, from its open window.
  QJsonObject windowEntry(std::size_t index, const QWidget *window, bool open) const;
  std::optional<std::size_t> toolOf(const QWidget *window) const;
  void closeToolWindows();
  void setModified(bool modified);
  void setPath(const QString &path);
  void remember(const QString &path);
  void showTitles();
  void showTitle(QWidget *window) const;
  QWidget *activeWindow() const;

  ScreenSet &screens_;
  ToolMenu &tools_;
  DesignInputs typed_;                  // the input screen's fields as last typed
  std::map<QString, QJsonObject> kept_; // tool key -> its entry, while no window shows it
  DesignFile base_;                     // the file read last: what this version does not know
  QString path_;
  QStringList recent_;
  bool modified_ = false;
  bool applying_ = false; // apply() runs: its changes are not the user's
  Question ask_;
  Reporter report_;
  FileChooser choose_;
};

} // namespace dishwright
