// Input shown back in a message: an argument, a line of a file, a file name.
// Shown as it stands, it could drive the terminal that reads the message (an
// escape sequence clears the screen or sets the window's title), and a name that
// is not UTF-8 would print as another name. So every echo of input goes through
// here: controls and bytes that are not UTF-8 are written as C escapes
// ("\033", "\t", "\xff"), a backslash as "\\", and the rest as it was typed.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace dishwright {

// `bytes` with every control character (C0, DEL, C1), every byte that is not
// part of well-formed UTF-8 and every backslash escaped: "two\xff.pdf".
std::string escapedText(std::string_view bytes);

// `bytes` escaped in double quotes (a quote inside as \"), cut to its first
// `mostChars` characters with "..." after; a byte that is not UTF-8 counts as one.
std::string quotedText(std::string_view bytes, std::size_t mostChars = std::string_view::npos);

// The length of the well-formed UTF-8 sequence at the start of `text` (RFC 3629:
// no overlong forms, no surrogates, nothing past U+10FFFF), or 0 when there is none.
std::size_t utf8SequenceLength(std::string_view text);

} // namespace dishwright
