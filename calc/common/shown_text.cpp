#include "calc/common/shown_text.h"

namespace dishwright {
namespace {

constexpr unsigned char kDelete = 0x7f;
constexpr unsigned char kFirstC1Second = 0x80, kLastC1Second = 0x9f; // U+0080-U+009F after 0xC2
constexpr unsigned char kC1Lead = 0xc2;

} // namespace

std::size_t utf8SequenceLength(std::string_view text) {
  if (text.empty())
    return 0;
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80)
    return 1;
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xbf; // the range of the second byte
  if (lead >= 0xc2 && lead <= 0xdf)
    length = 2;
  else if (lead >= 0xe0 && lead <= 0xef) {
    length = 3;
    low = lead == 0xe0 ? 0xa0 : 0x80;
    high = lead == 0xed ? 0x9f : 0xbf;
  } else if (lead >= 0xf0 && lead <= 0xf4) {
    length = 4;
    low = lead == 0xf0 ? 0x90 : 0x80;
    high = lead == 0xf4 ? 0x8f : 0xbf;
  } else
    return 0;
  if (text.size() < length || byte(1) < low || byte(1) > high)
    return 0;
  for (std::size_t i = 2; i < length; ++i)
    if (byte(i) < 0x80 || byte(i) > 0xbf)
      return 0;
  return length;
}

namespace {

void appendHex(std::string &out, unsigned char c) {
  constexpr std::string_view kDigits = "0123456789abcdef";
  out += "\\x";
  out += kDigits[c >> 4];
  out += kDigits[c & 0xf];
}

void appendControl(std::string &out, unsigned char c) {
  switch (c) {
  case '\t':
    out += "\\t";
    return;
  case '\n':
    out += "\\n";
    return;
  case '\r':
    out += "\\r";
    return;
  default: // octal, as C writes the escape character: \033
    out += '\\';
    out += static_cast<char>('0' + (c >> 6));
    out += static_cast<char>('0' + ((c >> 3) & 7));
    out += static_cast<char>('0' + (c & 7));
  }
}

// Escapes the characters of `bytes` up to `mostChars` of them into `out`; the
// number of bytes used.
std::size_t appendShown(std::string &out, std::string_view bytes, std::size_t mostChars,
                        bool inQuotes) {
  std::size_t i = 0;
  for (std::size_t chars = 0; i < bytes.size() && chars < mostChars; ++chars) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    const std::size_t length = utf8SequenceLength(bytes.substr(i));
    if (length == 0) {
      appendHex(out, c);
    } else if (length == 2 && c == kC1Lead &&
               static_cast<unsigned char>(bytes[i + 1]) <= kLastC1Second &&
               static_cast<unsigned char>(bytes[i + 1]) >= kFirstC1Second) {
      appendHex(out, c); // a C1 control: 0x9b starts a sequence as ESC [ does
      appendHex(out, static_cast<unsigned char>(bytes[i + 1]));
    } else if (c < 0x20 || c == kDelete) {
      appendControl(out, c);
    } else if (c == '\\' || (inQuotes && c == '"')) {
      out += '\\';
      out += static_cast<char>(c);
    } else {
      out.append(bytes.substr(i, length));
    }
    i += length == 0 ? 1 : length;
  }
  return i;
}

} // namespace

std::string escapedText(std::string_view bytes) {
  std::string out;
  appendShown(out, bytes, std::string_view::npos, false);
  return out;
}

std::string quotedText(std::string_view bytes, std::size_t mostChars) {
  std::string out = "\"";
  const std::size_t used = appendShown(out, bytes, mostChars, true);
  if (used < bytes.size())
    out += "...";
  return out + '"';
}

} // namespace dishwright
