#include "calc/common/shown_text.h"

namespace dishwright {
namespace {

constexpr unsigned char kFirstPrintable = 0x20, kDelete = 0x7f;
constexpr unsigned kHexDigitMask = 0xf;
constexpr unsigned kOctalDigits = 3, kBitsPerOctalDigit = 3, kOctalDigitMask = 07;
constexpr unsigned char kFirstC1Second = 0x80, kLastC1Second = 0x9f; // U+0080-U+009F after 0xC2
constexpr unsigned char kC1Lead = 0xc2;
constexpr unsigned char kFirstNonAscii = 0x80;
constexpr unsigned char kContinuationLow = 0x80, kContinuationHigh = 0xbf;

// The well-formed UTF-8 sequences by their first byte (the Unicode standard's
// table 3-7): how long they are and the range of their second byte, which keeps
// out overlong forms, surrogates and everything past U+10FFFF.
struct Utf8Form {
  unsigned char leadLow, leadHigh;
  std::size_t length;
  unsigned char secondLow, secondHigh;
};
constexpr Utf8Form kUtf8Forms[] = {
    {0xc2, 0xdf, 2, 0x80, 0xbf}, {0xe0, 0xe0, 3, 0xa0, 0xbf}, {0xe1, 0xec, 3, 0x80, 0xbf},
    {0xed, 0xed, 3, 0x80, 0x9f}, {0xee, 0xef, 3, 0x80, 0xbf}, {0xf0, 0xf0, 4, 0x90, 0xbf},
    {0xf1, 0xf3, 4, 0x80, 0xbf}, {0xf4, 0xf4, 4, 0x80, 0x8f},
};

} // namespace

std::size_t utf8SequenceLength(std::string_view text) {
  if (text.empty())
    return 0;
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  if (byte(0) < kFirstNonAscii)
    return 1;
  for (const Utf8Form &form : kUtf8Forms) {
    if (byte(0) < form.leadLow || byte(0) > form.leadHigh)
      continue;
    if (text.size() < form.length || byte(1) < form.secondLow || byte(1) > form.secondHigh)
      return 0;
    for (std::size_t i = 2; i < form.length; ++i)
      if (byte(i) < kContinuationLow || byte(i) > kContinuationHigh)
        return 0;
    return form.length;
  }
  return 0;
}

namespace {

void appendHex(std::string &out, unsigned char c) {
  constexpr std::string_view kDigits = "0123456789abcdef";
  out += "\\x";
  out += kDigits[c >> 4];
  out += kDigits[c & kHexDigitMask];
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
    for (unsigned digit = kOctalDigits; digit-- > 0;)
      out += static_cast<char>('0' + ((c >> (digit * kBitsPerOctalDigit)) & kOctalDigitMask));
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
    } else if (c < kFirstPrintable || c == kDelete) {
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
