// File names between the system's bytes and Qt's QString. A name on Linux is
// bytes, not always UTF-8 (an old archive's "two\xff.pdf"), and Qt's own
// conversion (QFile::decodeName) turns every such byte into U+FFFD, so that two
// names become one. Here a byte that is not part of UTF-8 is carried as the lone
// surrogate U+DC80-U+DCFF (PEP 383's "surrogateescape", as Python does), so the
// name comes back byte for byte. Valid names convert as QFile's functions do.
#pragma once

#include <QByteArray>
#include <QString>

#include <string_view>

namespace dishwright {

QString fileNameFromBytes(std::string_view bytes);
QByteArray fileNameBytes(const QString &name);

// The name as a message shows it: control characters and bytes that are not
// UTF-8 escaped ("two\xff.pdf"), see calc/common/shown_text.h.
QString shownFileName(const QString &name);

} // namespace dishwright
