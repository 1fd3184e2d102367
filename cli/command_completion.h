// Bash completion made from the command table, so that it offers exactly the
// commands, words, choices and options the table has. The build writes it with
// `dishwright-calc --completion bash`, and the package installs it.
#pragma once

#include "cli/command_table.h"

#include <string>

namespace dishwright {

// A script for bash-completion: the table's rows as data and one function that
// completes the word being typed from the rows whose form the words before it
// follow (a command's words, a choice's words, a file for FILE, an option's
// name or its value's choices).
std::string bashCompletion(const CommandTable &table);

} // namespace dishwright
