#include "files/write_failure.h"

#include "calc/common/shown_text.h"

#include <unistd.h>

#include <cctype>
#include <climits>
#include <cstring>

namespace dishwright {

std::string systemWords(int error) {
  std::string words = std::strerror(error);
  if (!words.empty())
    words[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(words[0])));
  return words;
}

std::string shownFolder(const std::string &folder) {
  if (!folder.empty() && folder[0] == '/')
    return escapedText(folder);
  char here[PATH_MAX];
  if (!getcwd(here, sizeof here))
    return escapedText(folder);
  return escapedText(folder == "." ? std::string(here) : std::string(here) + "/" + folder);
}

void cannotWrite(const std::string &path, const std::string &reason) {
  throw std::runtime_error("cannot write " + escapedText(path) + ": " + reason);
}

} // namespace dishwright
