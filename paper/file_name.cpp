#include "paper/file_name.h"

#include "calc/common/shown_text.h"

namespace dishwright {
namespace {

constexpr char16_t kEscapeBase = 0xdc00;                        // + the byte
constexpr char16_t kFirstEscape = 0xdc80, kLastEscape = 0xdcff; // bytes 0x80-0xff

} // namespace

QString fileNameFromBytes(std::string_view bytes) {
  QString name;
  name.reserve(static_cast<qsizetype>(bytes.size()));
  while (!bytes.empty()) {
    const std::size_t length = utf8SequenceLength(bytes);
    if (length == 0) {
      name += QChar(static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(bytes[0])));
      bytes.remove_prefix(1);
    } else {
      name += QString::fromUtf8(bytes.data(), static_cast<qsizetype>(length));
      bytes.remove_prefix(length);
    }
  }
  return name;
}

QByteArray fileNameBytes(const QString &name) {
  QByteArray bytes;
  qsizetype plain = 0; // the start of the run of ordinary characters
  for (qsizetype i = 0; i <= name.size(); ++i) {
    // A low surrogate after a high one is half of a character beyond U+FFFF.
    const bool escape = i < name.size() && name[i].unicode() >= kFirstEscape &&
                        name[i].unicode() <= kLastEscape &&
                        (i == 0 || !name[i - 1].isHighSurrogate());
    if (i < name.size() && !escape)
      continue;
    bytes += name.mid(plain, i - plain).toUtf8();
    if (escape)
      bytes += static_cast<char>(name[i].unicode() - kEscapeBase);
    plain = i + 1;
  }
  return bytes;
}

QString shownFileName(const QString &name) {
  const QByteArray bytes = fileNameBytes(name);
  return QString::fromStdString(
      escapedText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
}

} // namespace dishwright
