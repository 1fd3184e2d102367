#include "cli/held_output.h"

#include <array>

namespace dishwright {
namespace {

// Up to this much is held in memory: every command but the longest listings.
constexpr std::size_t kMemoryBytes = std::size_t{8} << 20;
constexpr std::size_t kCopyChunkBytes = 1 << 16;

} // namespace

HeldOutput::HeldOutput() : std::ostream(static_cast<std::streambuf *>(this)) {}

HeldOutput::~HeldOutput() {
  if (spilled_)
    std::fclose(spilled_); // tmpfile() removes it
}

void HeldOutput::spill() {
  spilled_ = std::tmpfile();
  if (!spilled_ || std::fwrite(memory_.data(), 1, memory_.size(), spilled_) != memory_.size())
    failed_ = true;
  std::string().swap(memory_);
}

std::streamsize HeldOutput::xsputn(const char *s, std::streamsize n) {
  const auto count = static_cast<std::size_t>(n);
  if (!spilled_ && !failed_ && memory_.size() + count > kMemoryBytes)
    spill();
  if (failed_)
    return 0; // the stream goes bad: the command's output cannot be held
  if (spilled_) {
    if (std::fwrite(s, 1, count, spilled_) != count)
      failed_ = true;
  } else {
    memory_.append(s, count);
  }
  return failed_ ? 0 : n;
}

std::streambuf::int_type HeldOutput::overflow(std::streambuf::int_type c) {
  using traits = std::streambuf::traits_type;
  if (traits::eq_int_type(c, traits::eof()))
    return traits::not_eof(c);
  const char ch = traits::to_char_type(c);
  return xsputn(&ch, 1) == 1 ? c : traits::eof();
}

bool HeldOutput::release(std::ostream &out) {
  if (failed_)
    return false;
  if (!spilled_) {
    out.write(memory_.data(), static_cast<std::streamsize>(memory_.size()));
    return true;
  }
  std::rewind(spilled_);
  std::array<char, kCopyChunkBytes> chunk;
  std::size_t got = 0;
  while ((got = std::fread(chunk.data(), 1, chunk.size(), spilled_)) > 0 && out)
    out.write(chunk.data(), static_cast<std::streamsize>(got));
  return !std::ferror(spilled_);
}

} // namespace dishwright
