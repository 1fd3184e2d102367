// Where a write to a path lands. A path that names a symbolic link is followed
// to the link's target, as the kernel follows it for `>` in a shell, under the
// guard Linux calls fs.protected_symlinks (applied here whatever the system's
// setting): in a folder that is sticky and writable by all (/tmp), a link is
// followed only when it belongs to the writer or to the folder's owner, so that
// a link planted there by another user cannot steer the write onto a file of
// its choosing.
#pragma once

#include "files/unique_fd.h"

#include <sys/stat.h>
#include <sys/types.h>

#include <optional>
#include <string>

namespace dishwright {

struct WriteTarget {
  UniqueFd folder;                     // the folder that holds the file, opened as a path
  std::string folderPath;              // the same folder as a path, for the words of an error
  std::string name;                    // the file's name in the folder
  std::optional<struct stat> existing; // what is there now, not followed
};

// Whether a follower with effective user id `follower` may follow the link
// `link` that lies in `folder`: as Linux's fs.protected_symlinks decides.
bool mayFollowLink(const struct stat &link, const struct stat &folder, uid_t follower);

// Whether `folder` is one every user may add files to but only their owner may
// remove: sticky and writable by all.
bool isSharedFolder(const struct stat &folder);

// The folder and name a write to `path` lands on, links followed (40 at most, as
// the kernel does). Throws std::runtime_error naming `path`, escaped: "cannot
// write /tmp/rib.pdf: it is a link owned by another user in the shared folder
// /tmp, which is not followed".
WriteTarget findWriteTarget(const std::string &path);

} // namespace dishwright
