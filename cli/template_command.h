// dishwright-calc template: full-size rib and petal templates as PDF or SVG.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace dishwright {

// Runs `template rib|petal ...` (args[0] is "template"). Writes the file, then
// prints `key: value UNIT` lines and `pages: N` on `out`; bad input prints
// "error: <what>" on `err` with status 1 and leaves no file; wrong usage prints
// the template usage on `err`, status 2.
int runTemplateCommand(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);

} // namespace dishwright
