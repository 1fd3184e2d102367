#include "files/held_files.h"

#include <utility>

namespace dishwright {
namespace {

// The innermost HeldFiles of this thread: a file written on another thread (the
// desktop's) is never held by a command.
thread_local HeldFiles *innermost = nullptr;

} // namespace

HeldFiles::HeldFiles() : outer_(std::exchange(innermost, this)) {}

HeldFiles::~HeldFiles() { innermost = outer_; }

void HeldFiles::commit() {
  std::vector<ReplacedFile> files = std::move(files_);
  for (ReplacedFile &file : files)
    file.commit();
}

void HeldFiles::commitOrHold(ReplacedFile file) {
  if (innermost)
    innermost->files_.push_back(std::move(file));
  else
    file.commit();
}

} // namespace dishwright
