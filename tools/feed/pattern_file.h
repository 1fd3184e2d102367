// A listed feed pattern read from a file for the feed window, one line at a
// time through the core's PatternReader, on a thread of its own if need be.
#pragma once

#include "calc/physics/feed_pattern.h"

#include <QString>
#include <QtGlobal>

#include <atomic>
#include <optional>

namespace dishwright {

// What a reading on another thread shares with the window that waits for it.
struct PatternFileProgress {
  std::atomic<bool> stop{false};      // set by the window: the reading ends at the next line
  std::atomic<qint64> bytesRead{0};   // bytes read so far
  std::atomic<qint64> bytesToRead{0}; // the file's size, or the most a pattern may have
};

// The pattern listed in the file at `path`, or nothing when `progress->stop` was
// set before the end. Throws InputError naming the file, and the line for a bad
// one: "in horn.txt, line 4: the angle 30 does not rise above the 40 before it";
// a line longer than 1 MB or holding a NUL byte is a bad line, and the reading
// stops there, as it does past the most lines or bytes a pattern may have. Only
// a regular file is read: a pipe (FIFO) or a device is refused before a byte is
// read, "cannot read fifo: it is a pipe, not a regular file", for a pipe would
// hold the reading until something writes to it.
std::optional<FeedPattern> readPatternFile(const QString &path,
                                           PatternFileProgress *progress = nullptr);

} // namespace dishwright
