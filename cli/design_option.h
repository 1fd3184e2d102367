// `--design FILE`: the design a command works on, taken from a design file that
// the desktop program saved, in place of the numbers typed after the command.
#pragma once

#include <string>
#include <vector>

namespace dishwright {

// The commands that take a design, in the words of the usage.
extern const char *const kDesignCommandsText;

// `args` with `--design FILE` (or `--design=FILE`) replaced by what the design
// gives the command: "feet --design d.dish" becomes "feet FD DIA FREQ"; print and
// template take the file's unit, can the frequency, feed its f/D and, unless
// --dish is given, "--dish UNIT DIA FREQ"; template adds "--freq FREQ" unless
// given. Arguments without --design come back as they were. Throws UsageError for
// --design on a command that takes no design, InputError when the file is refused
// or its unit is not the command's.
std::vector<std::string> withDesignArguments(const std::vector<std::string> &args);

} // namespace dishwright
