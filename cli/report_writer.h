// How a report is written in one format. Each writer streams: a line is written
// as it is reported, a profile row as it comes, so that the longest listing (tens
// of millions of rows) is never held as a whole in memory; what it writes goes to
// the held output (held_output.h), which keeps it back until the command worked.
#pragma once

#include "cli/figure.h"

#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace dishwright {

// A "warning:" or "note:" line that goes with the figures: on standard error
// in every format, and in JSON's "warnings" and "notes" too.
struct Remark {
  enum class Kind { Warning, Note } kind;
  std::string text;
  std::string line() const { return (kind == Kind::Warning ? "warning: " : "note: ") + text; }
};

class ReportWriter {
public:
  virtual ~ReportWriter() = default;
  virtual void line(const ReportLine &line) = 0;
  // The profile starts: "profile: IN INCHES" in text; its rows follow, and nothing
  // but remarks comes after them.
  virtual void profile(std::string_view heading, FigureUnit unit) = 0;
  // One row, radius and depth as the core wrote them.
  virtual void profileRow(std::string_view radius, std::string_view depth) = 0;
  virtual void finish(const std::vector<Remark> &remarks) = 0;
};

// "key: value UNIT" lines and "X....Y" rows, as the command line has always printed.
std::unique_ptr<ReportWriter> textWriter(std::ostream &out);
// "name,value,unit,bound" rows; a blank line and "radius,depth" rows for a profile.
std::unique_ptr<ReportWriter> csvWriter(std::ostream &out);
// One object: each figure {"value": ..., "unit": ...} by its key, "profile_unit"
// and "profile" [{"radius": ..., "depth": ...}], "warnings" and "notes".
std::unique_ptr<ReportWriter> jsonWriter(std::ostream &out);

} // namespace dishwright
