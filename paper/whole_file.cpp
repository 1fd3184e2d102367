#include "paper/whole_file.h"

#include "files/held_files.h"
#include "paper/file_name.h"

#include <string_view>
#include <utility>

namespace dishwright {

void writeWholeFile(const QString &path, const QByteArray &bytes) {
  ReplacedFile file(fileNameBytes(path).toStdString(),
                    std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  HeldFiles::commitOrHold(std::move(file));
}

} // namespace dishwright
