// The builder's tools on every screen: a right-click menu (also the Menu key and
// Shift+F10) with keyboard shortcuts, that opens the tools' own windows and takes
// a screen's profile list elsewhere. The screens themselves stay as they are.
#pragma once

#include "calc/screen_rules/profile.h"
#include "screens/screen_set.h"
#include "tools/design_seed.h"

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace dishwright {

class ToolMenu : public QObject {
  Q_OBJECT

public:
  explicit ToolMenu(ScreenSet &screens, QObject *parent = nullptr);

  // Adds a tool: an entry of every screen's menu that opens a window of its own,
  // made by `open` from the design of the screen the menu belongs to. Add tools
  // before the first screen is opened.
  using WindowFactory = std::function<QWidget *(const DesignSeed &)>;
  void addTool(const QString &text, const QKeySequence &shortcut, WindowFactory open);

  // The design a tool opened from screen `id` starts from: the inputs the screen
  // was loaded with, or on the input screen the texts typed there when they read
  // as numbers.
  DesignSeed seedFor(ScreenId id) const;

  // Where "Save profile as CSV..." writes: by default the user picks a file. Tests
  // answer instead; an empty name cancels.
  using FileChooser = std::function<QString(QWidget *parent, const QString &suggested)>;
  void setFileChooser(FileChooser choose) { chooseFile_ = std::move(choose); }

  // Builds the menu a screen's window shows, with its entries in order.
  static QMenu *menuFor(QWidget *window, QWidget *parent);

private:
  struct Tool {
    QString text;
    QKeySequence shortcut;
    WindowFactory open;
  };
  static QList<QAction *> entries(QWidget *window);
  void attach(ScreenId id, QWidget *window);
  void openTool(const Tool &tool, ScreenId id) const;
  void openTool(const Tool &tool, const DesignSeed &seed) const;
  // The profile rows of a loaded screen with a profile, as numbers.
  std::optional<std::vector<ProfilePoint>> profileOf(ScreenId id) const;
  void copyProfile(ScreenId id) const;
  void saveProfile(ScreenId id, QWidget *window) const;
  static bool hasProfile(ScreenId id);
  static bool isMetric(ScreenId id);

  ScreenSet &screens_;
  std::vector<Tool> tools_;
  FileChooser chooseFile_;
  bool lastMetric_ = false; // the unit of the calculation screen loaded last
};

} // namespace dishwright
