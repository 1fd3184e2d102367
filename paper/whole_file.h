// Every file the programs write goes through here: written whole to a temporary
// file beside the target and renamed over it only when every byte is down, so
// that a failure (a full disk, a folder without write permission) leaves the old
// file as it was and no temporary behind.
#pragma once

#include <QByteArray>
#include <QString>

namespace dishwright {

// Writes `bytes` to `path`. Throws std::runtime_error with the reason, the old
// file unchanged: "cannot write rib.pdf: no space left on device"; a target that
// exists and is not a regular file (a FIFO, a device, a folder) is refused and
// left alone: "/dev/null is not a regular file".
void writeWholeFile(const QString &path, const QByteArray &bytes);

} // namespace dishwright
