#include "design/design_file.h"

#include "calc/common/input_error.h"
#include "calc/common/shown_text.h"
#include "files/replaced_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace dishwright {
namespace {

// A design file is a few kilobytes; anything past this is not one.
constexpr std::uintmax_t kLargestDesignBytes = 16u << 20u;

[[noreturn]] void refuse(const std::string &path, const std::string &why) {
  throw InputError("cannot open " + quotedText(path) + ": " + why);
}

} // namespace

DesignFile readDesignFile(const std::string &path) {
  namespace fs = std::filesystem;
  std::error_code code;
  const fs::file_status status = fs::status(path, code);
  if (code)
    refuse(path, code.message());
  if (status.type() != fs::file_type::regular)
    refuse(path, "it is not a regular file");
  if (fs::file_size(path, code) > kLargestDesignBytes)
    refuse(path, "it is larger than 16 MB; a design file is a few kilobytes");
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in)
    refuse(path, std::strerror(errno != 0 ? errno : EIO));
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad())
    refuse(path, "it could not be read to its end");
  return DesignFile::fromText(text, path);
}

void writeDesignFile(const std::string &path, const DesignFile &file) {
  ReplacedFile replaced(path, file.text());
  replaced.commit();
}

} // namespace dishwright
