#include "tools/kit/file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>

namespace dishwright {
namespace {

// Icons and types from what stat() says and the name's suffix; never a read.
class NameOnlyIcons : public QFileIconProvider {
public:
  QIcon icon(const QFileInfo &info) const override {
    return QFileIconProvider::icon(info.isDir() ? Folder : File);
  }
  QString type(const QFileInfo &info) const override {
    if (info.isDir())
      return QFileDialog::tr("Folder");
    const QString suffix = info.suffix();
    return suffix.isEmpty() ? QFileDialog::tr("File")
                            : QFileDialog::tr("%1 File").arg(suffix.toUpper());
  }
};

QString &lastFolder() {
  static QString folder;
  return folder;
}

QString choose(QWidget *parent, const QString &title, const QString &suggested,
               const QString &filter, bool save) {
  NameOnlyIcons icons; // outlives the dialog, which only borrows it
  QString start = suggested;
  if (!lastFolder().isEmpty() && !suggested.contains(QLatin1Char('/')))
    start = suggested.isEmpty() ? lastFolder() : QDir(lastFolder()).filePath(suggested);
  QFileDialog dialog(parent, title, start, filter);
  dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontUseCustomDirectoryIcons);
  dialog.setIconProvider(&icons);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (dialog.exec() != QDialog::Accepted)
    return {};
  QString chosen = dialog.selectedFiles().value(0);
  if (!chosen.isEmpty())
    lastFolder() = QFileInfo(chosen).absolutePath();
  return chosen;
}

} // namespace

QString chooseSaveFile(QWidget *parent, const QString &title, const QString &suggested,
                       const QString &filter) {
  return choose(parent, title, suggested, filter, true);
}

QString chooseOpenFile(QWidget *parent, const QString &title, const QString &filter) {
  return choose(parent, title, QString(), filter, false);
}

QString lastDialogFolder() { return lastFolder(); }

void setLastDialogFolder(const QString &folder) { lastFolder() = folder; }

} // namespace dishwright
