// The command line's arguments as the Unix conventions read them, before the
// command table matches them: "--name=VALUE" is the option and its value,
// "-oVALUE" a short option and its value, and "--" ends the options, so that
// every argument after it is an operand even when it starts with "-".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dishwright {

struct Argument {
  std::string text;
  bool operand = false; // after "--": never an option nor an option's value
  bool glued = false;   // the value of the option before it, given in one argument
};

// `args` split; `shortOptions` are the one-letter options ("-o") that take a
// value and may have it glued on ("-orib.pdf").
std::vector<Argument> splitArguments(const std::vector<std::string> &args,
                                     const std::vector<std::string> &shortOptions);

// Whether an argument is written as an option: "-" or "--" then a letter. A
// number never is ("-2", "-.5", " -2"), nor "-" alone (standard input).
bool looksLikeOption(const Argument &arg);

} // namespace dishwright
