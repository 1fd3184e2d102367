#include "files/replaced_file.h"

#include "calc/common/shown_text.h"
#include "files/write_failure.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>
#include <utility>

namespace dishwright {
namespace {

// A new file is made as `>` makes it (the umask and the folder's default ACL
// apply); a replacement starts private and takes the old file's mode once its
// owner is set.
constexpr mode_t kNewFileMode = 0666;
constexpr mode_t kPrivateMode = 0600;
constexpr mode_t kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;
constexpr mode_t kModeBits = 07777;
// The temporary name: "." + the target's name (cut so that the whole stays a
// legal name) + "." + six random letters. Tries before giving up on free names.
constexpr std::size_t kTemporaryNameBytes = 200;
constexpr int kNameTries = 100;

std::string octal(mode_t mode) {
  char text[8];
  std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode & kModeBits));
  return text;
}

std::string randomLetters() {
  static constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::random_device seed;
  std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
  std::string letters(6, ' ');
  for (char &c : letters)
    c = kLetters[pick(seed)];
  return letters;
}

bool sameFile(const struct stat &a, const struct stat &b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Gives the new file `fd` the owner, group and mode of `old`, as far as this
// process may: root keeps both, a member of the old group keeps the group. The
// set-user-ID and set-group-ID bits stay only with the owner and the group they
// were given for, as the kernel drops them when another user writes the file.
bool keepOwnerAndMode(int fd, const struct stat &old) {
  if (fchown(fd, old.st_uid, old.st_gid) != 0) // then the group alone, if this user is in it
    (void)!fchown(fd, static_cast<uid_t>(-1), old.st_gid);
  struct stat now {};
  if (fstat(fd, &now) != 0)
    return false;
  mode_t mode = old.st_mode & kModeBits;
  if (now.st_uid != old.st_uid)
    mode &= ~static_cast<mode_t>(S_ISUID);
  if (now.st_gid != old.st_gid)
    mode &= ~static_cast<mode_t>(S_ISGID);
  return fchmod(fd, mode) == 0;
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t wrote = write(fd, bytes.data(), bytes.size());
    if (wrote < 0 && errno == EINTR)
      continue;
    if (wrote < 0)
      return false;
    if (wrote == 0) { // no room and no error said: as a full disk
      errno = ENOSPC;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(wrote));
  }
  return true;
}

} // namespace

ReplacedFile::ReplacedFile(const std::string &path, std::string_view bytes)
    : path_(path), target_(findWriteTarget(path)) {
  checkReplaceable();
  writeTemporary(bytes);
}

ReplacedFile::ReplacedFile(ReplacedFile &&other) noexcept
    : path_(std::move(other.path_)), target_(std::move(other.target_)),
      temporary_(std::exchange(other.temporary_, std::string())) {}

ReplacedFile::~ReplacedFile() {
  if (!temporary_.empty())
    unlinkat(target_.folder.get(), temporary_.c_str(), 0);
}

void ReplacedFile::checkReplaceable() const {
  if (!target_.existing)
    return;
  const struct stat &old = *target_.existing;
  if (!S_ISREG(old.st_mode))
    throw std::runtime_error(escapedText(path_) + " is not a regular file");
  struct stat folder {};
  if (fstat(target_.folder.get(), &folder) != 0)
    cannotWrite(path_, systemWords(errno));
  // As fs.protected_regular: a file another user left in /tmp is theirs.
  if (isSharedFolder(folder) && old.st_uid != geteuid() && old.st_uid != folder.st_uid)
    cannotWrite(path_, "the file belongs to another user in the shared folder " +
                           shownFolder(target_.folderPath) + " (sticky and writable by all)");
  if ((old.st_mode & kWriteBits) == 0)
    cannotWrite(path_, "the file is read-only (mode " + octal(old.st_mode) + ")");
  if (faccessat(target_.folder.get(), target_.name.c_str(), W_OK, AT_EACCESS) != 0)
    cannotWrite(path_, errno == EACCES ? "the file's permissions do not let this user write it"
                                       : systemWords(errno));
  if (old.st_nlink > 1)
    cannotWrite(path_, "the file has " + std::to_string(old.st_nlink) +
                           " names (hard links), which a new file in its place would part; "
                           "write to another name, or remove the other names first");
}

void ReplacedFile::writeTemporary(std::string_view bytes) {
  const int folder = target_.folder.get();
  const std::string stem = "." + target_.name.substr(0, kTemporaryNameBytes) + ".";
  const mode_t mode = target_.existing ? kPrivateMode : kNewFileMode;
  UniqueFd file;
  for (int tries = 0; !file && tries < kNameTries; ++tries) {
    temporary_ = stem + randomLetters();
    file = UniqueFd(openat(folder, temporary_.c_str(),
                           O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
    if (!file && errno != EEXIST)
      break;
  }
  if (!file) {
    const int error = errno;
    temporary_.clear();
    if (error == EACCES || error == EPERM || error == EROFS)
      cannotWrite(path_, "no new file can be made in the folder " +
                             shownFolder(target_.folderPath) + " (" + systemWords(error) + ")");
    cannotWrite(path_, systemWords(error));
  }
  // A constructor that throws runs no destructor: the temporary file goes here.
  const auto abandon = [&](const std::string &reason) {
    unlinkat(folder, std::exchange(temporary_, std::string()).c_str(), 0);
    cannotWrite(path_, reason);
  };
  if (!writeAll(file.get(), bytes))
    abandon(systemWords(errno));
  // Owner and mode after the content: a write by a user other than root drops
  // the set-user-ID bit, and so does a change of owner.
  if (target_.existing && !keepOwnerAndMode(file.get(), *target_.existing))
    abandon("its mode " + octal(target_.existing->st_mode) + " cannot be given to the new file (" +
            systemWords(errno) + ")");
  // Flushed to the disk before the rename, so that a crash leaves the old file or
  // the new one whole, never an empty one.
  if (fsync(file.get()) != 0 || file.reset() != 0)
    abandon(systemWords(errno));
}

void ReplacedFile::commit() {
  const int folder = target_.folder.get();
  struct stat now {};
  const bool exists = fstatat(folder, target_.name.c_str(), &now, AT_SYMLINK_NOFOLLOW) == 0;
  if (exists != target_.existing.has_value() || (exists && !sameFile(now, *target_.existing)))
    cannotWrite(path_, "another program changed it while it was being written; it is left "
                       "as that program left it");
  // A target that was not there must not appear meanwhile: no replacing then.
  int renamed = renameat2(folder, temporary_.c_str(), folder, target_.name.c_str(),
                          exists ? 0 : RENAME_NOREPLACE);
  if (renamed != 0 && errno == EINVAL) // a file system without RENAME_NOREPLACE
    renamed = renameat(folder, temporary_.c_str(), folder, target_.name.c_str());
  if (renamed != 0)
    cannotWrite(path_, errno == EEXIST ? "another program made it while it was being written"
                                       : systemWords(errno));
  temporary_.clear();
  // The rename itself on the disk: best effort, the file is in place either way.
  if (const UniqueFd dir(openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC)); dir)
    fsync(dir.get());
}

} // namespace dishwright
