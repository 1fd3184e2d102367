#include "tools/menu/tool_menu.h"

#include "calc/screen_rules/calc_error.h"
#include "calc/screen_rules/input_step.h"
#include "paper/whole_file.h"
#include "screens/screen.h"
#include "screens/window_menu_bar.h"
#include "tools/kit/file_dialogs.h"
#include "tools/kit/tool_state.h"
#include "tools/menu/profile_export.h"
#include "tools/menu/user_edits.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTextEdit>

#include <stdexcept>

namespace dishwright {
namespace {

const QKeySequence kCopyProfileKey(QStringLiteral("Ctrl+Shift+C"));
// Ctrl+Shift+S is the desktop's "Save as", the File menu's Save design as....
const QKeySequence kSaveProfileKey(QStringLiteral("Ctrl+Shift+P"));
const QKeySequence kMenuKey(QStringLiteral("Shift+F10"));

QString profileUnit(bool metric) {
  return metric ? QStringLiteral("cm") : QStringLiteral("inches");
}

// Shows `menu` where the user asked for it, and deletes it afterwards.
void popUp(QMenu *menu, const QPoint &globalPos) {
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(globalPos);
}

bool sameDesign(const DesignSeed &a, const DesignSeed &b) {
  return a.fd == b.fd && a.diameter == b.diameter && a.unit == b.unit &&
         a.frequencyMHz == b.frequencyMHz;
}

// Shows `window` on top of the others, out of the task bar if it was minimised.
void bringForward(QWidget *window) {
  window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
  window->show();
  window->raise();
  window->activateWindow();
}

} // namespace

ToolMenu::ToolMenu(ScreenSet &screens, QObject *parent) : QObject(parent), screens_(screens) {
  chooseFile_ = [](QWidget *parentWindow, const QString &suggested) {
    return chooseSaveFile(parentWindow, tr("Save profile as CSV"), suggested,
                          tr("CSV files (*.csv);;All files (*)"));
  };
  connect(&screens_, &ScreenSet::screenLoaded, this, &ToolMenu::attach);
  file_.setQuit([this](QWidget *over) { screens_.quit(over); });
}

void ToolMenu::addTool(ToolRow row) { tools_.push_back({std::move(row), nullptr, {}, false}); }

bool ToolMenu::hasProfile(ScreenId id) {
  return id == ScreenId::ImperialCalculation || id == ScreenId::MetricCalculation ||
         id == ScreenId::ImperialPrint || id == ScreenId::MetricPrint;
}

bool ToolMenu::isMetric(ScreenId id) {
  return id == ScreenId::MetricCalculation || id == ScreenId::MetricPrint;
}

DesignSeed ToolMenu::seedFor(ScreenId id) const {
  DesignValues values = screens_.values();
  if (const Screen *s = screens_.screen(id); s && id != ScreenId::Input)
    values = s->loadedWith();
  if (const Screen *input = screens_.screen(ScreenId::Input);
      id == ScreenId::Input && input && input->isLoaded()) {
    // What is typed there, where it reads as a number.
    const Field fields[] = {Field::FdRatio, Field::Diameter, Field::Frequency};
    float *stores[] = {&values.fd, &values.dia, &values.freq};
    for (int i = 0; i < 3; ++i) {
      try {
        *stores[i] = readInput(fields[i], input->text(fields[i]).toStdString());
      } catch (const CalcError &) {
      }
    }
  }
  const bool metric = hasProfile(id) ? isMetric(id) : lastMetric_;
  return {values.fd, values.dia, dishSizeUnit(metric), values.freq};
}

void ToolMenu::attach(ScreenId id, QWidget *window) {
  if (id == ScreenId::ImperialCalculation || id == ScreenId::MetricCalculation)
    lastMetric_ = isMetric(id);
  // The window's own actions carry the shortcuts; the menus list the same entries.
  addToolActions(window, [this, id] { return seedFor(id); });
  if (hasProfile(id)) {
    auto *copy = new QAction(tr("Copy profile"), window);
    copy->setShortcut(kCopyProfileKey);
    connect(copy, &QAction::triggered, this, [this, id] { copyProfile(id); });
    auto *save = new QAction(tr("Save profile as CSV..."), window);
    save->setShortcut(kSaveProfileKey);
    save->setAutoRepeat(false); // a held key asks for one file
    connect(save, &QAction::triggered, this, [this, id, window] { saveProfile(id, window); });
    window->addActions({copy, save});
  }
  // Shift+F10 asks the focused control for its menu, as the Menu key does.
  auto *menuKey = new QAction(window);
  menuKey->setShortcut(kMenuKey);
  connect(menuKey, &QAction::triggered, window, [window] {
    QWidget *target = window->focusWidget() ? window->focusWidget() : window;
    const QPoint at = target->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &event);
  });
  window->addAction(menuKey);
  if (const Screen *screen = screens_.screen(id))
    fillMenuBar(screen->menuBar(), window, helpSection(id));

  // The window's background, labels, buttons, pictures and lists show the tools;
  // text fields show their own edit menu with the tools under it.
  window->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(window, &QWidget::customContextMenuRequested, this,
          [window](QPoint pos) { popUp(menuFor(window, window), window->mapToGlobal(pos)); });
  for (QWidget *child : window->findChildren<QWidget *>()) {
    auto *line = qobject_cast<QLineEdit *>(child);
    auto *text = qobject_cast<QTextEdit *>(child);
    if (!line && !text)
      continue;
    child->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(child, &QWidget::customContextMenuRequested, this, [window, line, text](QPoint pos) {
      QMenu *menu = line ? line->createStandardContextMenu() : text->createStandardContextMenu(pos);
      menu->addSeparator();
      menu->addActions(entries(window));
      QWidget *field = line ? static_cast<QWidget *>(line) : text->viewport();
      popUp(menu, field->mapToGlobal(pos));
    });
  }
}

QList<QAction *> ToolMenu::entries(QWidget *window) {
  QList<QAction *> named;
  for (QAction *action : window->actions())
    if (!action->text().isEmpty()) // Shift+F10 has no entry of its own
      named << action;
  return named;
}

QMenu *ToolMenu::menuFor(QWidget *window, QWidget *parent) {
  auto *menu = new QMenu(parent);
  menu->addActions(entries(window));
  return menu;
}

QString ToolMenu::helpSection(ScreenId id) {
  switch (id) {
  case ScreenId::Input:
    return QStringLiteral("input");
  case ScreenId::ImperialCalculation:
  case ScreenId::MetricCalculation:
    return QStringLiteral("calculation");
  case ScreenId::CoffeeCan:
    return QStringLiteral("coffee-can");
  case ScreenId::ImperialPrint:
  case ScreenId::MetricPrint:
    return QStringLiteral("print");
  case ScreenId::WebLink:
    return QStringLiteral("web-link");
  }
  return {};
}

void ToolMenu::fillMenuBar(QMenuBar *bar, QWidget *window, const QString &helpSection) {
  QMenu *tools = windowMenu(bar, WindowMenu::Tools);
  const QList<QAction *> named = entries(window);
  for (int i = 0; i < named.size(); ++i) {
    if (i == int(tools_.size())) // the profile's entries after the tools
      tools->addSeparator();
    tools->addAction(named[i]);
  }
  file_.fill(windowMenu(bar, WindowMenu::File), window);
  help_.fill(windowMenu(bar, WindowMenu::Help), window, helpSection);
  yieldTakenMnemonics(bar, window);
}

void ToolMenu::equip(QWidget *window, const DesignSeed &seed, const QString &helpSection) {
  addToolActions(window, [seed] { return seed; });
  QMenuBar *bar = makeWindowMenuBar(window);
  if (QLayout *layout = window->layout())
    layout->setMenuBar(bar);
  fillMenuBar(bar, window, helpSection);
}

void ToolMenu::addToolActions(QWidget *window, const std::function<DesignSeed()> &seed) {
  for (std::size_t i = 0; i < tools_.size(); ++i) {
    auto *action = new QAction(tools_[i].row.menuText, window);
    action->setShortcut(tools_[i].row.shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setAutoRepeat(false); // a held key opens the window once
    connect(action, &QAction::triggered, this, [this, i, seed] { openTool(i, seed()); });
    window->addAction(action);
  }
}

void ToolMenu::openTool(std::size_t index, const DesignSeed &seed) {
  Tool &tool = tools_[index];
  QPointer<QWidget> old = tool.window;
  if (old && !old->isVisible())
    old = nullptr; // closed, only not yet deleted
  if (old && (tool.edited || sameDesign(tool.seed, seed))) {
    bringForward(old);
    return;
  }
  QWidget *w = tool.row.open(seed);
  if (!w)
    return;
  w->setAttribute(Qt::WA_DeleteOnClose);
  tool.window = w;
  tool.seed = seed;
  tool.edited = false;
  if (keptInputs_) // given back before the edits are watched: they are not the user's now
    if (const std::optional<KeptInputs> kept = keptInputs_(index, seed)) {
      restoreToolInputs(w, kept->inputs);
      tool.edited = kept->edited;
    }
  watchUserEdits(w, this, [this, index, w] {
    if (tools_[index].window == w) // not one it replaced
      tools_[index].edited = true;
  });
  // The tools' shortcuts and the menu bar work in a tool's window too, with the
  // design it has.
  equip(w, seed, tool.row.helpSection);
  emit toolOpened(w);
  if (old) { // untouched, on another design: the new one takes its place
    w->restoreGeometry(old->saveGeometry());
    old->close();
  }
  bringForward(w);
}

QWidget *ToolMenu::toolWindow(std::size_t index) const {
  QWidget *window = tools_[index].window;
  return window && window->isVisible() ? window : nullptr;
}

std::optional<std::size_t> ToolMenu::toolIndexOf(const QWidget *window) const {
  for (std::size_t i = 0; i < tools_.size(); ++i)
    if (window && tools_[i].window == window)
      return i;
  return std::nullopt;
}

std::optional<std::vector<ProfilePoint>> ToolMenu::profileOf(ScreenId id) const {
  const Screen *s = screens_.screen(id);
  if (!s || !s->isLoaded())
    return std::nullopt;
  const Listing listing = id == ScreenId::ImperialCalculation ? Listing::ImperialScreen
                          : id == ScreenId::MetricCalculation ? Listing::MetricScreen
                          : id == ScreenId::ImperialPrint     ? Listing::ImperialPrint
                                                              : Listing::MetricPrint;
  try {
    return profilePoints(s->loadedWith(), listing); // the design the screen shows
  } catch (const CalcError &) {
    return std::nullopt; // not reached: the screen loaded from the same values
  }
}

void ToolMenu::copyProfile(ScreenId id) const {
  if (const auto points = profileOf(id))
    QApplication::clipboard()->setText(profileAsTabText(*points, profileUnit(isMetric(id))));
}

void ToolMenu::saveProfile(ScreenId id, QWidget *window) const {
  const auto points = profileOf(id);
  if (!points)
    return;
  const QString name = chooseFile_(window, QStringLiteral("profile.csv"));
  if (name.isEmpty())
    return;
  try { // all or nothing: a failed write leaves the old file and no half file
    writeWholeFile(name, profileAsCsv(*points, profileUnit(isMetric(id))).toUtf8());
  } catch (const std::runtime_error &e) {
    QMessageBox::warning(
        window, tr("Save profile as CSV"),
        tr("The profile was not saved: %1.").arg(QString::fromStdString(e.what())));
  }
}

} // namespace dishwright
