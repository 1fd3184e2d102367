// What a command prints, held back until the command has finished: a command
// that fails part way prints nothing but its error, never half a result. Small
// outputs stay in memory; a long listing goes to an unnamed temporary file, so
// that holding it costs no more memory than a short one.
#pragma once

#include <cstdio>
#include <ostream>
#include <streambuf>
#include <string>

namespace dishwright {

class HeldOutput : private std::streambuf, public std::ostream {
public:
  HeldOutput();
  ~HeldOutput() override;
  HeldOutput(const HeldOutput &) = delete;
  HeldOutput &operator=(const HeldOutput &) = delete;

  // Writes everything held to `out`, in order; false when the temporary file
  // could not be read back (`out`'s own state tells of its failures).
  bool release(std::ostream &out);

private:
  std::streambuf::int_type overflow(std::streambuf::int_type c) override;
  std::streamsize xsputn(const char *s, std::streamsize n) override;
  void spill();

  std::string memory_;
  std::FILE *spilled_ = nullptr;
  bool failed_ = false;
};

} // namespace dishwright
