// One file written whole and put in place of the file a path names, as careful
// tools do it: the new content goes to a temporary file beside the target (in
// the target's own folder, through a link where the kernel would follow it),
// is flushed to the disk, and is renamed over the target only on commit().
// Until then the old file is untouched, and a ReplacedFile dropped without
// commit() removes its temporary file.
//
// An existing target keeps what the rename would otherwise change: its mode
// (set-user-ID and set-group-ID bits only where its owner and group are kept) and,
// where the writer may set them, its owner and group. Refused with words, the old
// file left alone: a target that is not a regular file, a read-only file (no write
// permission for anyone, or none for this user), a file with several names (hard
// links), which a new file would part, and, in a shared folder (sticky and
// writable by all), a file or a link owned by neither the writer nor the folder's
// owner.
#pragma once

#include "files/write_target.h"

#include <string>
#include <string_view>

namespace dishwright {

class ReplacedFile {
public:
  // Checks the target of `path` and writes `bytes` beside it. Throws
  // std::runtime_error with the reason, naming the path escaped: "cannot write
  // rib.pdf: the file is read-only (mode 0444)"; nothing is left behind.
  ReplacedFile(const std::string &path, std::string_view bytes);
  ~ReplacedFile();
  ReplacedFile(ReplacedFile &&other) noexcept;
  ReplacedFile &operator=(ReplacedFile &&other) = delete;
  ReplacedFile(const ReplacedFile &) = delete;
  ReplacedFile &operator=(const ReplacedFile &) = delete;

  // Renames the new file over the target. Throws std::runtime_error, the old file
  // left as it is, when the target changed since it was checked (another program
  // made, replaced or removed it) or the rename fails.
  void commit();

private:
  void checkReplaceable() const;
  void writeTemporary(std::string_view bytes);

  std::string path_; // as given, for the words of an error
  WriteTarget target_;
  std::string temporary_; // the new file's name in the target's folder until commit()
};

} // namespace dishwright
