#include "tools/menu/session_memory.h"

#include "calc/common/input_error.h"
#include "design/design_file.h"
#include "screens/screen_set.h"
#include "tools/kit/file_dialogs.h"
#include "tools/kit/screen_place.h"
#include "tools/menu/design_document.h"
#include "tools/menu/tool_menu.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace dishwright {
namespace {

const QString kDesignKey = QStringLiteral("session/design");
const QString kRecentKey = QStringLiteral("session/recentDesigns");
const QString kFolderKey = QStringLiteral("session/dialogFolder");
const QString kPlacesGroup = QStringLiteral("places");

QList<QRect> availableScreens() {
  QList<QRect> areas;
  if (const QScreen *primary = QGuiApplication::primaryScreen())
    areas << primary->availableGeometry();
  for (const QScreen *screen : QGuiApplication::screens())
    if (screen != QGuiApplication::primaryScreen())
      areas << screen->availableGeometry();
  return areas;
}

} // namespace

SessionMemory::SessionMemory(QSettings &settings, DesignDocument &document, ScreenSet &screens,
                             ToolMenu &tools, QObject *parent)
    : QObject(parent), settings_(settings), document_(document) {
  settings_.beginGroup(kPlacesGroup);
  for (const QString &key : settings_.childKeys())
    places_.insert(key, settings_.value(key).toRect());
  settings_.endGroup();
  // The seven screens keep the size they were designed at; only their place is kept.
  connect(&screens, &ScreenSet::screenLoaded, this, [this](ScreenId id, QWidget *window) {
    place(window, QStringLiteral("screen%1").arg(static_cast<int>(id)), false);
  });
  connect(&tools, &ToolMenu::toolOpened, this, [this, &tools](QWidget *window) {
    if (const auto index = tools.toolIndexOf(window))
      place(window, tools.toolRow(*index).key, true);
  });
}

void SessionMemory::place(QWidget *window, const QString &key, bool sized) {
  windows_.insert(window, key);
  window->installEventFilter(this);
  connect(window, &QObject::destroyed, this, [this, window] { windows_.remove(window); });
  const auto found = places_.constFind(key);
  if (found == places_.constEnd() || !found->isValid())
    return;
  const QRect wanted = sized ? *found : QRect(found->topLeft(), window->size());
  const QRect placed = placedOnScreen(wanted, availableScreens());
  if (sized)
    window->resize(placed.size());
  window->move(placed.topLeft());
}

// A window's place is noted as it changes: the screens' windows are gone by the
// time the program ends.
bool SessionMemory::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() == QEvent::Move || event->type() == QEvent::Resize) {
    auto *window = static_cast<QWidget *>(watched);
    if (const auto key = windows_.constFind(window);
        key != windows_.constEnd() && window->isVisible())
      places_.insert(*key, QRect(window->pos(), window->size()));
  }
  return QObject::eventFilter(watched, event);
}

void SessionMemory::recall() {
  setLastDialogFolder(settings_.value(kFolderKey).toString());
  document_.setRecentDesigns(settings_.value(kRecentKey).toStringList());
  const QString text = settings_.value(kDesignKey).toString();
  if (text.isEmpty())
    return; // the first run: the screens' own start texts
  try {
    document_.apply(DesignFile::fromText(text.toStdString(), "the last run's design"), false);
  } catch (const InputError &) {
    // Written by a newer version, or damaged: this run starts as a first one.
  }
}

void SessionMemory::store() {
  settings_.setValue(kDesignKey, QString::fromStdString(document_.gather().text()));
  settings_.setValue(kRecentKey, document_.recentDesigns());
  settings_.setValue(kFolderKey, lastDialogFolder());
  settings_.beginGroup(kPlacesGroup);
  for (auto it = places_.constBegin(); it != places_.constEnd(); ++it)
    settings_.setValue(it.key(), it.value());
  settings_.endGroup();
  settings_.sync();
}

} // namespace dishwright
