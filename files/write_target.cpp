#include "files/write_target.h"

#include "calc/common/shown_text.h"
#include "files/write_failure.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <utility>
#include <vector>

namespace dishwright {
namespace {

// The kernel's limit on links followed in one path (MAXSYMLINKS).
constexpr int kMostLinks = 40;

struct SplitPath {
  std::string folder, name;
};

SplitPath split(const std::string &path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos)
    return {".", path};
  return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

std::string readLink(int folder, const std::string &name) {
  std::vector<char> text(PATH_MAX);
  for (;;) {
    const ssize_t got = readlinkat(folder, name.c_str(), text.data(), text.size());
    if (got < 0)
      return {};
    if (static_cast<std::size_t>(got) < text.size())
      return std::string(text.data(), static_cast<std::size_t>(got));
    text.resize(text.size() * 2);
  }
}

[[noreturn]] void refuseLink(const std::string &given, const std::string &folder) {
  cannotWrite(given, "it leads through a link owned by another user in the shared folder " +
                         shownFolder(folder) +
                         " (sticky and writable by all), and such a link is not followed");
}

} // namespace

bool isSharedFolder(const struct stat &folder) {
  return (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
}

bool mayFollowLink(const struct stat &link, const struct stat &folder, uid_t follower) {
  return !isSharedFolder(folder) || link.st_uid == follower || link.st_uid == folder.st_uid;
}

WriteTarget findWriteTarget(const std::string &path) {
  if (path.empty())
    throw std::runtime_error("cannot write \"\": a file needs a name");
  std::string at = path;
  for (int links = 0;; ++links) {
    SplitPath part = split(at);
    if (part.name.empty()) { // "rib/": the name of a folder, there or not
      struct stat folder {};
      if (stat(at.c_str(), &folder) == 0)
        throw std::runtime_error(escapedText(path) + " is not a regular file");
      cannotWrite(path, "a file's name cannot end in /");
    }
    // O_PATH: the folder needs only to be reachable, as for creating a file in it.
    UniqueFd folder(open(part.folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!folder)
      cannotWrite(path, systemWords(errno));
    struct stat entry {};
    if (fstatat(folder.get(), part.name.c_str(), &entry, AT_SYMLINK_NOFOLLOW) != 0) {
      if (errno != ENOENT)
        cannotWrite(path, systemWords(errno));
      return {std::move(folder), part.folder, part.name, std::nullopt};
    }
    if (!S_ISLNK(entry.st_mode))
      return {std::move(folder), part.folder, part.name, entry};
    struct stat folderStat {};
    if (links == kMostLinks || fstat(folder.get(), &folderStat) != 0)
      cannotWrite(path, systemWords(links == kMostLinks ? ELOOP : errno));
    if (!mayFollowLink(entry, folderStat, geteuid()))
      refuseLink(path, part.folder);
    const std::string target = readLink(folder.get(), part.name);
    if (target.empty())
      cannotWrite(path, systemWords(errno));
    at = target[0] == '/' || part.folder == "." ? target : part.folder + "/" + target;
  }
}

} // namespace dishwright
