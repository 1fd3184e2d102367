// Text input read one line at a time, for the commands that read a listing from a
// file or from standard input: a line is handed on as soon as it is read, and the
// first bad line stops the reading, so that a binary file or an endless stream
// (/dev/zero) ends promptly with an error instead of being read whole first.
#pragma once

#include <cstddef>
#include <fstream>
#include <iosfwd>
#include <string>

namespace dishwright {

// The longest line read, bytes without its line break: far beyond any listing a
// person writes, short enough that a file without line breaks is refused early.
inline constexpr std::size_t kLongestLine = 1 << 20;

class LineInput {
public:
  // Reads `in`, named `source` in the words of an error ("standard input", or the
  // file's name as given, shown escaped).
  LineInput(std::istream &in, const std::string &source);

  // The next line into `line`, without its line break ("\n", or "\r\n"); false
  // at the end of the input. A UTF-8 byte-order mark at the start is skipped.
  // Throws InputError for a bad line, counted from 1 ("line 3: holds a NUL byte
  // ...", "line 3: is longer than 1 MB ..."), or for an input that cannot be read
  // ("cannot read standard input: it is closed").
  bool next(std::string &line);
  // The number of the line `next` read last, from 1.
  std::size_t lineNumber() const { return lineNumber_; }

private:
  int take(); // the next byte, or EOF; throws InputError when the input fails
  [[noreturn]] void cannotRead(const std::string &why) const;

  std::istream &in_;
  std::string source_;
  std::size_t lineNumber_ = 0;
};

// The regular file at `path` opened for a LineInput. Throws InputError when it
// cannot be opened ("cannot read pattern.txt: no such file or directory") or is
// no regular file, before opening it: a named pipe would stop the program in the
// opening until something writes to it, so it is refused with the way to give it
// ("cannot read fifo: it is a pipe, not a regular file; give it on standard
// input, with - as the file name"), as are a folder ("it is a folder") and a device.
std::ifstream openForLines(const std::string &path);

} // namespace dishwright
