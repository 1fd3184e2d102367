// A listed feed pattern read from a file for the feed window, one line at a
// time through the core's PatternReader.
#pragma once

#include "calc/physics/feed_pattern.h"

#include <QString>

namespace dishwright {

// The pattern listed in the file at `path`. Throws InputError naming the file,
// and the line for a bad one: "in horn.txt, line 4: the angle 30 does not rise
// above the 40 before it"; a line longer than 1 MB or holding a NUL byte is a
// bad line, and the reading stops there.
FeedPattern readPatternFile(const QString &path);

} // namespace dishwright
