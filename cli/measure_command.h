// The command-line forms of the builder's tools: measure a dish, fit its surface,
// check a real can.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace dishwright {

// Runs `args` when they name one of these tools ("measure", "can-check"), reading
// surface points from `in`: figures to `out` as they come, "error: <what>" on `err`
// with status 1 at the first bad input, the usage with status 2 for a wrong form.
// Nothing (and no output) for any other command.
std::optional<int> runMeasureCommand(const std::vector<std::string> &args, std::istream &in,
                                     std::ostream &out, std::ostream &err);

// The same, reading the points from standard input.
std::optional<int> runMeasureCommand(const std::vector<std::string> &args, std::ostream &out,
                                     std::ostream &err);

} // namespace dishwright
