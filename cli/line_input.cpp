#include "cli/line_input.h"

#include "calc/common/input_error.h"
#include "calc/common/shown_text.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <istream>
#include <system_error>

namespace dishwright {
namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

// The words of a failed read: the two a user meets, a folder given as a file
// and a closed standard input, in plain words; others as the system says them.
std::string reason(const std::error_code &code) {
  if (code == std::errc::is_a_directory)
    return "it is a folder";
  if (code == std::errc::bad_file_descriptor)
    return "it is closed";
  std::string words = code ? code.message() : "it cannot be read";
  if (!words.empty() && words[0] >= 'A' && words[0] <= 'Z')
    words[0] = static_cast<char>(words[0] - 'A' + 'a');
  return words;
}

} // namespace

LineInput::LineInput(std::istream &in, const std::string &source)
    : in_(in), source_(escapedText(source)) {}

void LineInput::cannotRead(const std::string &why) const {
  throw InputError("cannot read " + source_ + ": " + why);
}

int LineInput::take() {
  std::streambuf *buffer = in_.rdbuf();
  if (!buffer || in_.bad()) // how the program marks a standard input the shell closed
    cannotRead("it is closed");
  try {
    // The buffer itself, not the stream: the stream would swallow the reason.
    const int c = buffer->sbumpc();
    return c == std::char_traits<char>::eof() ? EOF : c;
  } catch (const std::system_error &e) { // the file buffer's failed read (errno)
    cannotRead(reason(e.code()));
  } catch (const std::exception &e) {
    cannotRead(e.what());
  }
}

bool LineInput::next(std::string &line) {
  line.clear();
  int c = take();
  if (c == EOF)
    return false;
  ++lineNumber_;
  const std::string where = "line " + std::to_string(lineNumber_) + ": ";
  // Up to a carriage return and a byte-order mark beyond the longest line, so
  // that neither counts against it.
  const std::size_t room = kLongestLine + 4;
  for (; c != EOF && c != '\n'; c = take()) {
    if (c == '\0')
      throw InputError(where + "holds a NUL byte; is it a text file?");
    if (line.size() == room)
      break;
    line.push_back(static_cast<char>(c));
  }
  if (!line.empty() && line.back() == '\r')
    line.pop_back();
  if (lineNumber_ == 1 && line.compare(0, 3, kByteOrderMark) == 0)
    line.erase(0, 3);
  if (line.size() > kLongestLine)
    throw InputError(where + "is longer than 1 MB; is it a text file?");
  return true;
}

std::ifstream openForLines(const std::string &path) {
  namespace fs = std::filesystem;
  std::error_code code;
  const fs::file_type type = fs::status(path, code).type();
  const auto refuse = [&path](const std::string &why) {
    throw InputError("cannot read " + path + ": " + why);
  };
  if (code && type != fs::file_type::not_found) // not found: the opening says so
    refuse(reason(code));
  if (type == fs::file_type::directory)
    refuse(reason(std::make_error_code(std::errc::is_a_directory)));
  if (type == fs::file_type::fifo)
    refuse("it is a pipe, not a regular file; give it on standard input, with - as the file name");
  if (type != fs::file_type::regular && type != fs::file_type::not_found)
    refuse("it is not a regular file");
  errno = 0;
  std::ifstream file(path, std::ios::binary);
  if (!file)
    throw InputError("cannot read " + escapedText(path) + ": " +
                     reason(std::error_code(errno, std::generic_category())));
  return file;
}

} // namespace dishwright
