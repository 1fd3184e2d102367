// Every file the programs write goes through here: written whole to a temporary
// file beside the target, flushed, and renamed over it only when every byte is
// down (files/replaced_file.h says how an existing file is replaced), so that a
// failure (a full disk, a folder without write permission) leaves the old file
// as it was and no temporary behind. Under the command line's HeldFiles the
// rename waits until the whole command has worked.
#pragma once

#include <QByteArray>
#include <QString>

namespace dishwright {

// Writes `bytes` to `path` (a name from fileNameFromBytes() or from Qt: see
// paper/file_name.h). Throws std::runtime_error with the reason, the old file
// unchanged: "cannot write rib.pdf: no space left on device"; a target that is
// not a regular file (a FIFO, a device, a folder) is refused and left alone:
// "/dev/null is not a regular file".
void writeWholeFile(const QString &path, const QByteArray &bytes);

} // namespace dishwright
