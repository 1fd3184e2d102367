#include "tools/pattern_file.h"

#include "calc/common/input_error.h"
#include "calc/physics/pattern_reader.h"
#include "paper/file_name.h"

#include <QFile>
#include <QFileInfo>

#include <string>

namespace dishwright {
namespace {

// The longest line read, bytes: beyond it the file is no listing.
constexpr qint64 kLongestLine = 1 << 20;

// "in horn.txt, line 4: ...": the file first, for a window that shows one.
[[noreturn]] void refuse(const QString &name, const QString &why) {
  throw InputError(QStringLiteral("in %1, %2").arg(name, why).toStdString());
}

} // namespace

FeedPattern readPatternFile(const QString &path) {
  const QString name = shownFileName(QFileInfo(path).fileName());
  if (QFileInfo(path).isDir())
    throw InputError(QStringLiteral("cannot read %1: it is a folder").arg(name).toStdString());
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw InputError(
        QStringLiteral("cannot read %1: %2").arg(name, file.errorString()).toStdString());
  PatternReader reader;
  for (int number = 1; !file.atEnd(); ++number) {
    QByteArray line = file.readLine(kLongestLine + 2); // and its "\r\n"
    if (file.error() != QFileDevice::NoError)
      throw InputError(
          QStringLiteral("cannot read %1: %2").arg(name, file.errorString()).toStdString());
    const QString where = QStringLiteral("line %1: ").arg(number);
    if (!line.endsWith('\n') && !file.atEnd())
      refuse(name, where + QStringLiteral("is longer than 1 MB; is it a text file?"));
    if (line.contains('\0'))
      refuse(name, where + QStringLiteral("holds a NUL byte; is it a text file?"));
    if (number == 1 && line.startsWith("\xEF\xBB\xBF"))
      line.remove(0, 3);
    while (line.endsWith('\n') || line.endsWith('\r'))
      line.chop(1);
    try {
      reader.addLine(std::string_view(line.constData(), static_cast<std::size_t>(line.size())));
    } catch (const InputError &e) {
      refuse(name, QString::fromUtf8(e.what())); // its words start with the line's number
    }
  }
  try {
    return reader.finish();
  } catch (const InputError &e) {
    refuse(name, QString::fromUtf8(e.what()));
  }
}

} // namespace dishwright
