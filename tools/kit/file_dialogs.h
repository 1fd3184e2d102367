// The file dialogs of the builder's tools and the screens' menus.
#pragma once

#include <QString>

class QWidget;

namespace dishwright {

// The name of a file to save to, or "" when the user cancels. Qt's own dialog, not
// the desktop's, and one that tells files apart by their names only: the
// desktop's guess at a file's type reads the file, and a special file such as
// /proc/kmsg never ends a read, so typing /proc into the name field would stop
// the program for good.
QString chooseSaveFile(QWidget *parent, const QString &title, const QString &suggested,
                       const QString &filter);
// The same dialog for a file to open: one that exists.
QString chooseOpenFile(QWidget *parent, const QString &title, const QString &filter);

// The folder the dialogs start in: the one a file was chosen in last ("" at
// first: the working folder). A suggested name without a folder goes there.
QString lastDialogFolder();
void setLastDialogFolder(const QString &folder);

} // namespace dishwright
