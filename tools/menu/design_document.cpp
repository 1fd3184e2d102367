#include "tools/menu/design_document.h"

#include "calc/common/input_error.h"
#include "paper/file_name.h"
#include "screens/screen.h"
#include "screens/screen_set.h"
#include "tools/kit/file_dialogs.h"
#include "tools/kit/tool_state.h"
#include "tools/measure/measure_window.h"
#include "tools/menu/tool_menu.h"
#include "tools/menu/user_edits.h"

#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QJsonDocument>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <stdexcept>

namespace dishwright {
namespace {

constexpr int kMostRecent = 8;
const char *const kBaseTitle = "dishwrightBaseTitle";

// The input screen's fields, in the order of DesignInputs.
constexpr Field kInputFields[] = {Field::FdRatio, Field::Diameter, Field::Frequency};

std::string *typedField(DesignInputs &design, Field field) {
  return field == Field::FdRatio    ? &design.fd
         : field == Field::Diameter ? &design.diameter
                                    : &design.frequencyMHz;
}

QJsonObject toQt(const nlohmann::json &object) {
  return QJsonDocument::fromJson(QByteArray::fromStdString(object.dump())).object();
}

nlohmann::json fromQt(const QJsonObject &object) {
  return nlohmann::json::parse(QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString());
}

QJsonObject seedJson(const DesignSeed &seed) {
  return {{QStringLiteral("fd"), seed.fd},
          {QStringLiteral("diameter"), seed.diameter},
          {QStringLiteral("metric"), isMetric(seed.unit)},
          {QStringLiteral("frequencyMHz"), seed.frequencyMHz}};
}

DesignSeed seedFrom(const QJsonObject &json) {
  return {json.value(QStringLiteral("fd")).toDouble(),
          json.value(QStringLiteral("diameter")).toDouble(),
          dishSizeUnit(json.value(QStringLiteral("metric")).toBool()),
          json.value(QStringLiteral("frequencyMHz")).toDouble()};
}

bool sameSeed(const DesignSeed &a, const DesignSeed &b) {
  return a.fd == b.fd && a.diameter == b.diameter && a.unit == b.unit &&
         a.frequencyMHz == b.frequencyMHz;
}

bool askInABox(QWidget *over, const QString &question) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("dishwright"), question,
                  QMessageBox::Cancel, over);
  QPushButton *discard =
      box.addButton(QObject::tr("&Discard changes"), QMessageBox::DestructiveRole);
  box.setDefaultButton(QMessageBox::Cancel);
  box.exec();
  return box.clickedButton() == discard;
}

void warnInABox(QWidget *over, const QString &message) {
  QMessageBox::warning(over, QStringLiteral("dishwright"), message);
}

QString chooseInADialog(QWidget *over, bool forSaving) {
  const QString filter = QObject::tr("Designs (*.dish);;All files (*)");
  if (!forSaving)
    return chooseOpenFile(over, QObject::tr("Open design"), filter);
  QString name =
      chooseSaveFile(over, QObject::tr("Save design as"), QStringLiteral("dish.dish"), filter);
  if (!name.isEmpty() && QFileInfo(name).suffix().isEmpty())
    name += QStringLiteral(".dish");
  return name;
}

} // namespace

DesignDocument::DesignDocument(ScreenSet &screens, ToolMenu &tools, QObject *parent)
    : QObject(parent), screens_(screens), tools_(tools), ask_(askInABox), report_(warnInABox),
      choose_(chooseInADialog) {
  typed_.unit = tools.lastMetric() ? DesignUnit::Meters : DesignUnit::Feet;
  connect(&screens, &ScreenSet::screenLoaded, this,
          [this](ScreenId id, QWidget *window) { watchScreen(static_cast<int>(id), window); });
  connect(&tools, &ToolMenu::toolOpened, this, &DesignDocument::watchTool);
  tools.setKeptInputs(
      [this](std::size_t index, const DesignSeed &seed) -> std::optional<ToolMenu::KeptInputs> {
        const auto found = kept_.find(tools_.toolRow(index).key);
        if (found == kept_.end())
          return std::nullopt;
        const QJsonObject &entry = found->second;
        const bool edited = entry.value(QStringLiteral("edited")).toBool();
        // As a window left open would: the user's work stays, an untouched window
        // follows the design it is asked from.
        if (!edited && !sameSeed(seedFrom(entry.value(QStringLiteral("seed")).toObject()), seed))
          return std::nullopt;
        return ToolMenu::KeptInputs{entry.value(QStringLiteral("inputs")).toObject(), edited};
      });
  ScreenSet::QuitGuard before = screens.quitGuard();
  screens.setQuitGuard([this, before = std::move(before)](QWidget *over) {
    if (modified_ && !path_.isEmpty()) // covers the measured points too
      return mayDiscardChanges(over);
    return !before || before(over);
  });
}

void DesignDocument::watchScreen(int id, QWidget *window) {
  const auto screen = static_cast<ScreenId>(id);
  if (screen == ScreenId::ImperialCalculation || screen == ScreenId::MetricCalculation) {
    const DesignUnit unit =
        screen == ScreenId::MetricCalculation ? DesignUnit::Meters : DesignUnit::Feet;
    if (unit != typed_.unit) {
      typed_.unit = unit;
      if (!applying_)
        setModified(true);
    }
  }
  if (screen == ScreenId::Input) {
    const Screen *input = screens_.screen(ScreenId::Input);
    for (const Field field : kInputFields) {
      auto *edit = qobject_cast<QLineEdit *>(input->control(field));
      if (!edit)
        continue;
      *typedField(typed_, field) = edit->text().toStdString();
      connect(edit, &QLineEdit::textChanged, this, [this, field](const QString &text) {
        *typedField(typed_, field) = text.toStdString();
      });
      connect(edit, &QLineEdit::textEdited, this, [this] { setModified(true); });
    }
  }
  showTitle(window);
}

void DesignDocument::watchTool(QWidget *window) {
  if (!toolOf(window))
    return;
  watchUserEdits(window, this, [this] { setModified(true); });
  window->installEventFilter(this);
  showTitle(window);
}

// A tool window's inputs are kept as it closes: opened again, it has them back,
// and a design saved later holds them.
bool DesignDocument::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() == QEvent::Hide) {
    auto *window = qobject_cast<QWidget *>(watched);
    if (const auto index = toolOf(window); index && !event->spontaneous())
      kept_[tools_.toolRow(*index).key] = windowEntry(*index, window, false);
  }
  return QObject::eventFilter(watched, event);
}

std::optional<std::size_t> DesignDocument::toolOf(const QWidget *window) const {
  return tools_.toolIndexOf(window);
}

QJsonObject DesignDocument::windowEntry(std::size_t index, const QWidget *window, bool open) const {
  return {{QStringLiteral("open"), open},
          {QStringLiteral("edited"), tools_.toolEdited(index)},
          {QStringLiteral("seed"), seedJson(tools_.toolSeed(index))},
          {QStringLiteral("inputs"), saveToolInputs(window)}};
}

DesignFile DesignDocument::gather() const {
  DesignFile file = base_;
  file.design = typed_;
  file.windows = nlohmann::json::object();
  for (const auto &[key, entry] : kept_)
    file.windows[key.toStdString()] = fromQt(entry);
  for (std::size_t i = 0; i < tools_.toolCount(); ++i)
    if (const QWidget *window = tools_.toolWindow(i))
      file.windows[tools_.toolRow(i).key.toStdString()] = fromQt(windowEntry(i, window, true));
  return file;
}

void DesignDocument::closeToolWindows() {
  for (std::size_t i = 0; i < tools_.toolCount(); ++i)
    if (QWidget *window = tools_.toolWindow(i)) {
      if (auto *measure = qobject_cast<MeasureWindow *>(window))
        measure->agreeToDiscard();
      window->close();
    }
}

void DesignDocument::apply(const DesignFile &file, bool reopen) {
  applying_ = true;
  closeToolWindows();
  base_ = file;
  kept_.clear();
  for (const auto &[key, entry] : file.windows.items()) {
    QJsonObject kept = toQt(entry);
    if (!reopen) // none is open now: a design saved later must not open it
      kept.insert(QStringLiteral("open"), false);
    kept_[QString::fromStdString(key)] = kept;
  }
  typed_ = file.design;
  tools_.setLastMetric(file.design.unit == DesignUnit::Meters);
  for (const Field field : kInputFields)
    screens_.putInput(field, QString::fromStdString(*typedField(typed_, field)));
  if (reopen)
    for (std::size_t i = 0; i < tools_.toolCount(); ++i) {
      const QJsonObject entry = kept_[tools_.toolRow(i).key];
      if (entry.value(QStringLiteral("open")).toBool())
        tools_.openTool(i, seedFrom(entry.value(QStringLiteral("seed")).toObject()));
    }
  for (auto it = kept_.begin(); it != kept_.end();) // empty entries made by the lookup above
    it = it->second.isEmpty() ? kept_.erase(it) : std::next(it);
  applying_ = false;
  setModified(false);
}

bool DesignDocument::mayDiscardChanges(QWidget *over) {
  if (!modified_)
    return true;
  const QString name = path_.isEmpty() ? tr("the design, which is in no file yet")
                                       : shownFileName(QFileInfo(path_).fileName());
  if (!ask_(over, tr("Discard the unsaved changes to %1?").arg(name)))
    return false;
  for (std::size_t i = 0; i < tools_.toolCount(); ++i)
    if (auto *measure = qobject_cast<MeasureWindow *>(tools_.toolWindow(i)))
      measure->agreeToDiscard();
  return true;
}

bool DesignDocument::open(const QString &path) {
  DesignFile file;
  try {
    file = readDesignFile(fileNameBytes(path).toStdString());
  } catch (const std::exception &e) {
    report_(activeWindow(), QString::fromStdString(e.what()));
    return false;
  }
  if (!mayDiscardChanges(activeWindow()))
    return false;
  apply(file, true);
  setPath(path);
  remember(path);
  return true;
}

bool DesignDocument::save() { return path_.isEmpty() ? saveAsWithDialog() : saveAs(path_); }

bool DesignDocument::saveAs(const QString &path) {
  const DesignFile file = gather();
  try {
    writeDesignFile(fileNameBytes(path).toStdString(), file);
  } catch (const std::exception &e) {
    report_(activeWindow(),
            tr("The design was not saved: %1.").arg(QString::fromStdString(e.what())));
    return false;
  }
  base_ = file;
  setPath(path);
  remember(path);
  setModified(false);
  return true;
}

bool DesignDocument::openWithDialog() {
  const QString path = choose_(activeWindow(), false);
  return !path.isEmpty() && open(path);
}

bool DesignDocument::saveAsWithDialog() {
  const QString path = choose_(activeWindow(), true);
  return !path.isEmpty() && saveAs(path);
}

void DesignDocument::setRecentDesigns(const QStringList &paths) {
  recent_ = paths.mid(0, kMostRecent);
  emit recentDesignsChanged(recent_);
}

void DesignDocument::remember(const QString &path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  QStringList paths = recent_;
  paths.removeAll(absolute);
  paths.prepend(absolute);
  setRecentDesigns(paths);
}

void DesignDocument::setModified(bool modified) {
  if (modified == modified_)
    return;
  modified_ = modified;
  showTitles();
  emit modifiedChanged(modified);
}

void DesignDocument::setPath(const QString &path) {
  if (path == path_)
    return;
  path_ = path;
  showTitles();
  emit pathChanged(path);
}

void DesignDocument::showTitles() {
  for (int id = 0; id < static_cast<int>(kScreenCount); ++id)
    if (const Screen *screen = screens_.screen(static_cast<ScreenId>(id));
        screen && screen->isLoaded())
      showTitle(screen->window());
  for (std::size_t i = 0; i < tools_.toolCount(); ++i)
    if (QWidget *window = tools_.toolWindow(i))
      showTitle(window);
}

// "Measure a dish - shed.dish[*]": the window's own title while no file is open.
void DesignDocument::showTitle(QWidget *window) const {
  if (!window->property(kBaseTitle).isValid())
    window->setProperty(kBaseTitle, window->windowTitle());
  const QString base = window->property(kBaseTitle).toString();
  if (path_.isEmpty()) {
    window->setWindowTitle(base);
    return;
  }
  window->setWindowTitle(base + QStringLiteral(" - ") + shownFileName(QFileInfo(path_).fileName()) +
                         QStringLiteral("[*]"));
  window->setWindowModified(modified_);
}

QWidget *DesignDocument::activeWindow() const { return QApplication::activeWindow(); }

} // namespace dishwright
