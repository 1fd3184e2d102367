// The words of a file that cannot be written, shared by the steps of writing one.
#pragma once

#include <stdexcept>
#include <string>

namespace dishwright {

// The system's words for `error` (an errno value), in lower case: "no space left
// on device".
std::string systemWords(int error);

// A folder as a message shows it: escaped, a relative one from the working folder
// ("/home/ann/dish" for "dish"), since the user may not know where that is.
std::string shownFolder(const std::string &folder);

// Throws std::runtime_error "cannot write <path>: <reason>", the path escaped
// (shown_text.h) since it is the user's input.
[[noreturn]] void cannotWrite(const std::string &path, const std::string &reason);

} // namespace dishwright
