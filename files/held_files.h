// Files held back until the whole command has worked. The command line opens a
// HeldFiles around a command: every file written meanwhile (writeWholeFile) is
// made whole beside its target but put in place only by commit(), after the
// command's figures are out; a command that fails, or whose figures cannot be
// written, leaves every old file as it was. Without a HeldFiles open (the desktop
// program) a file is put in place as soon as it is written.
#pragma once

#include "files/replaced_file.h"

#include <vector>

namespace dishwright {

class HeldFiles {
public:
  HeldFiles();
  // Drops the files not committed: their temporary files go, the targets stay.
  ~HeldFiles();
  HeldFiles(const HeldFiles &) = delete;
  HeldFiles &operator=(const HeldFiles &) = delete;

  // Puts the held files in place, in the order written. Throws std::runtime_error
  // at the first that cannot be (ReplacedFile::commit).
  void commit();

  // Puts `file` in place now, or holds it in the innermost open HeldFiles.
  static void commitOrHold(ReplacedFile file);

private:
  std::vector<ReplacedFile> files_;
  HeldFiles *outer_;
};

} // namespace dishwright
