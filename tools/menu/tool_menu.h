// The builder's tools on every screen: a right-click menu (also the Menu key and
// Shift+F10) with keyboard shortcuts, that opens the tools' own windows and takes
// a screen's profile list elsewhere. The screens themselves stay as they are.
#pragma once

#include "calc/screen_rules/profile.h"
#include "screens/screen_set.h"
#include "tools/help/help_menu.h"
#include "tools/kit/design_seed.h"
#include "tools/menu/file_menu.h"
#include "tools/menu/tool_table.h"

#include <QJsonObject>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace dishwright {

class ToolMenu : public QObject {
  Q_OBJECT

public:
  explicit ToolMenu(ScreenSet &screens, QObject *parent = nullptr);

  // Adds a tool: an entry of every screen's menu, and a shortcut there and in
  // every tool window, that opens its window from the design of the window the
  // key was pressed in. A tool has one window at a time: asking for it again
  // brings it to the front; asked from another design, it takes that design only
  // while the user has changed nothing in it (it is made anew in its place).
  // A held key opens it once. Add tools before the first screen is opened.
  void addTool(ToolRow row);

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

  // The tools added, by their place in the table.
  std::size_t toolCount() const { return tools_.size(); }
  const ToolRow &toolRow(std::size_t index) const { return tools_[index].row; }
  // Its window while one is open, else nullptr.
  QWidget *toolWindow(std::size_t index) const;
  // The tool whose window `window` is (shown, or made and not yet shown, or
  // closing), if any.
  std::optional<std::size_t> toolIndexOf(const QWidget *window) const;
  // The design its window was made on, and whether the user changed anything in it.
  DesignSeed toolSeed(std::size_t index) const { return tools_[index].seed; }
  bool toolEdited(std::size_t index) const { return tools_[index].edited; }
  // Opens a tool as its key does, on `seed`.
  void openTool(std::size_t index, const DesignSeed &seed);
  // Whether the calculation screen loaded last was the metric one: the unit the
  // design's diameter is in.
  bool lastMetric() const { return lastMetric_; }
  void setLastMetric(bool metric) { lastMetric_ = metric; }

  // The inputs a tool window takes as it is made on `seed`, beyond the design:
  // the user's work kept for it (in a design file or from the last run).
  struct KeptInputs {
    QJsonObject inputs;
    bool edited = false; // the window counts as changed by the user
  };
  using KeptInputsSource =
      std::function<std::optional<KeptInputs>(std::size_t index, const DesignSeed &seed)>;
  void setKeptInputs(KeptInputsSource source) { keptInputs_ = std::move(source); }
  // Every window's File menu: what reads and writes design files connects here.
  FileMenu &fileMenu() { return file_; }
  HelpMenu &helpMenu() { return help_; }

  // Gives a window made elsewhere what a tool window gets: the tools' keys on
  // `seed` and the menu bar (File, Tools, Help, the manual at `helpSection`).
  // The window needs a layout for the bar to sit on.
  void equip(QWidget *window, const DesignSeed &seed, const QString &helpSection);

  // The manual's section about a screen.
  static QString helpSection(ScreenId id);

signals:
  // A tool's window was made (not when one was only brought to the front).
  void toolOpened(QWidget *window);

private:
  struct Tool {
    ToolRow row;
    QPointer<QWidget> window; // the one open, if any
    DesignSeed seed;          // the design it was made on
    bool edited = false;      // the user has changed something in it
  };
  static QList<QAction *> entries(QWidget *window);
  void attach(ScreenId id, QWidget *window);
  // Fills the window's File, Tools (its named actions) and Help menus.
  void fillMenuBar(QMenuBar *bar, QWidget *window, const QString &helpSection);
  // The tools' shortcut actions on `window`, opening each on the design `seed` gives.
  void addToolActions(QWidget *window, const std::function<DesignSeed()> &seed);
  // The profile rows of a loaded screen with a profile, as numbers.
  std::optional<std::vector<ProfilePoint>> profileOf(ScreenId id) const;
  void copyProfile(ScreenId id) const;
  void saveProfile(ScreenId id, QWidget *window) const;
  static bool hasProfile(ScreenId id);
  static bool isMetric(ScreenId id);

  ScreenSet &screens_;
  std::vector<Tool> tools_;
  FileChooser chooseFile_;
  KeptInputsSource keptInputs_;
  FileMenu file_;
  HelpMenu help_;
  bool lastMetric_ = false; // the unit of the calculation screen loaded last
};

} // namespace dishwright
