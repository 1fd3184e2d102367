#include "tools/feed/pattern_file.h"

#include "calc/common/input_error.h"
#include "calc/physics/pattern_reader.h"
#include "paper/file_name.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dishwright {
namespace {

// The longest line read, bytes: beyond it the file is no listing.
constexpr qint64 kLongestLine = 1 << 20;

[[noreturn]] void cannotRead(const QString &name, const QString &why) {
  throw InputError(QStringLiteral("cannot read %1: %2").arg(name, why).toStdString());
}

// "in horn.txt, line 4: ...": the file first, for a window that shows one.
[[noreturn]] void refuse(const QString &name, const QString &why) {
  throw InputError(QStringLiteral("in %1, %2").arg(name, why).toStdString());
}

QString systemWords(int error) {
  QString words = QString::fromStdString(std::generic_category().message(error));
  if (!words.isEmpty())
    words[0] = words[0].toLower();
  return words;
}

// `path` opened without waiting: opening a pipe for reading would wait for
// something to write to it, and this one does not. Only a regular file is kept.
void openRegularFile(const QString &path, const QString &name, QFile &file) {
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0)
    cannotRead(name, systemWords(errno));
  struct stat status {};
  QString why;
  if (::fstat(fd, &status) != 0)
    why = systemWords(errno);
  else if (S_ISDIR(status.st_mode))
    why = QStringLiteral("it is a folder");
  else if (S_ISFIFO(status.st_mode))
    why = QStringLiteral("it is a pipe, not a regular file");
  else if (!S_ISREG(status.st_mode))
    why = QStringLiteral("it is not a regular file");
  else if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
    why = file.errorString();
  if (!why.isEmpty()) {
    if (!file.isOpen())
      ::close(fd);
    cannotRead(name, why);
  }
}

bool endsWith(std::string_view text, char c) { return !text.empty() && text.back() == c; }

// Into one buffer for every line: a fresh 1 MB for each would cost the system
// three calls a line and make a large file ten times slower.
void readLines(QFile &file, const QString &name, PatternReader &reader,
               PatternFileProgress *progress) {
  std::vector<char> buffer(kLongestLine + 3); // a line, its "\r\n" and Qt's closing zero
  for (int number = 1; !file.atEnd(); ++number) {
    if (progress && progress->stop)
      return;
    const qint64 length = file.readLine(buffer.data(), static_cast<qint64>(buffer.size()));
    if (length < 0 || file.error() != QFileDevice::NoError)
      cannotRead(name, file.errorString());
    if (progress)
      progress->bytesRead += length;
    std::string_view line(buffer.data(), static_cast<std::size_t>(length));
    const QString where = QStringLiteral("line %1: ").arg(number);
    if (!endsWith(line, '\n') && !file.atEnd())
      refuse(name, where + QStringLiteral("is longer than 1 MB; is it a text file?"));
    if (line.find('\0') != std::string_view::npos)
      refuse(name, where + QStringLiteral("holds a NUL byte; is it a text file?"));
    if (number == 1 && line.substr(0, 3) == "\xEF\xBB\xBF")
      line.remove_prefix(3);
    while (endsWith(line, '\n') || endsWith(line, '\r'))
      line.remove_suffix(1);
    try {
      reader.addLine(line);
    } catch (const InputError &e) {
      refuse(name, QString::fromUtf8(e.what())); // its words start with the line's number
    }
  }
}

} // namespace

std::optional<FeedPattern> readPatternFile(const QString &path, PatternFileProgress *progress) {
  const QString name = shownFileName(QFileInfo(path).fileName());
  QFile file;
  openRegularFile(path, name, file);
  if (progress)
    progress->bytesToRead = std::min(file.size(), static_cast<qint64>(kPatternMostBytes));
  PatternReader reader;
  readLines(file, name, reader, progress);
  if (progress && progress->stop)
    return std::nullopt;
  try {
    return reader.finish();
  } catch (const InputError &e) {
    refuse(name, QString::fromUtf8(e.what()));
  }
}

} // namespace dishwright
