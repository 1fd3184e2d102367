#include "paper/whole_file.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace dishwright {
namespace {

[[noreturn]] void fail(const QString &path, const QString &reason) {
  throw std::runtime_error(QStringLiteral("cannot write %1: %2").arg(path, reason).toStdString());
}

// The reason of a failed step in a user's words: the system's own for the
// error just met (Qt says "Unknown error" for some), and for a folder that takes
// no new file, which folder.
QString reason(const QSaveFile &file, int error) {
  if (error == EACCES || error == EPERM || error == EROFS)
    return QStringLiteral("no new file can be made in the folder %1 (%2)")
        .arg(QFileInfo(file.fileName()).absolutePath(),
             QString::fromLocal8Bit(std::strerror(error)).toLower());
  if (error != 0)
    return QString::fromLocal8Bit(std::strerror(error)).toLower();
  return file.errorString().toLower();
}

} // namespace

void writeWholeFile(const QString &path, const QByteArray &bytes) {
  const QFileInfo target(path);
  if (target.exists() && !target.isFile()) // isFile() follows a link to its file
    throw std::runtime_error(path.toStdString() + " is not a regular file");
  QSaveFile file(path);
  errno = 0;
  if (!file.open(QIODevice::WriteOnly))
    fail(path, reason(file, errno));
  errno = 0;
  const bool written = file.write(bytes) == bytes.size() && file.flush();
  const int writeError = errno;
  if (!written) {
    file.cancelWriting();
    file.commit(); // removes the temporary file
    fail(path, reason(file, writeError));
  }
  errno = 0;
  if (!file.commit())
    fail(path, reason(file, errno));
}

} // namespace dishwright
