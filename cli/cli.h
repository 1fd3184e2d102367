// The command-line front end over the load calculations.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace dishwright {

// Runs one command (the arguments after the program name, bytes as the system
// gave them). Its figures go to `out` once it has worked, and the files it writes
// are put in place after that; a failure prints nothing there, "error: <what>" on
// `err`, leaves every old file as it was and gives status 1; wrong usage prints
// the usage on `err`, status 2.
// Standard input (surface points) is read from `in`.
int runCli(const std::vector<std::string> &args, std::istream &in, std::ostream &out,
           std::ostream &err);
// The same, reading standard input from std::cin.
int runCli(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);

} // namespace dishwright
