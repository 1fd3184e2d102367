// What a command reports: its figures, named and with their units, its profile
// and its warnings and notes. A command reports each figure once; the format the
// user chose (--format text|csv|json) decides how it is written.
//
// For a command's own code: a figure line is one call,
//   out.figure("gain", gain, kDecibelsIsotropic);          // "gain: 26.791 DBI"
//   out.figure({"equivalent f/D (for choosing the feed)", "equivalent_fd"}, fd);
//   out.count("points", n);  out.words("verdict", text);
//   out.warning("...");  out.note("...");                  // standard error
// and the text, CSV and JSON outputs follow from it. The JSON and CSV name of a
// figure is its label's key (figure.h: "gain", "mesh_size") unless one is given.
#pragma once

#include "calc/common/figure_text.h"
#include "cli/figure.h"
#include "cli/report_writer.h"

#include <iosfwd>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace dishwright {

enum class ReportFormat { Text, Csv, Json };
// "text", "csv" or "json"; nothing for another word.
std::optional<ReportFormat> reportFormatNamed(std::string_view name);

class Report {
public:
  // A figure's label in the text output and, when given, its JSON and CSV key.
  struct Name {
    Name(const char *label) : label(label) {} // NOLINT: a label alone is the usual name
    Name(const char *label, const char *key) : label(label), key(key) {}
    std::string_view label;
    std::string_view key;
  };

  Report(ReportFormat format, std::ostream &out);

  // "label: value UNIT": `value` to `digits` significant digits.
  void figure(Name name, double value, FigureUnit unit = kNoUnit, int digits = kMeasuredDigits);
  // A number whose text the core wrote, as it wrote it.
  void shown(Name name, std::string_view text, FigureUnit unit);
  void count(Name name, long long value);
  void words(Name name, std::string_view text);
  // Any line: one figure set up by hand (a bound, no value), or several figures
  // and words ("length: 5.1 to 6.2 INCHES 13 to 16 CM").
  void line(std::string_view label, std::vector<ReportLine::Part> parts);
  void line(Name name, Figure figure);

  // The profile, after every figure: "profile: IN INCHES" and "X....Y" rows.
  void profile(std::string_view heading, FigureUnit unit);
  void profileRow(std::string_view row);

  void warning(std::string text);
  void note(std::string text);

  // Ends the output (JSON's closing brace). The remarks, in the order reported,
  // are for standard error once the figures are out.
  void finish();
  const std::vector<Remark> &remarks() const { return remarks_; }

private:
  std::string keyFor(Name name);
  void addKey(const std::string &key);

  std::unique_ptr<ReportWriter> writer_;
  std::set<std::string> keys_;
  std::vector<Remark> remarks_;
  bool inProfile_ = false;
};

ReportLine::Part figurePart(Figure figure);
ReportLine::Part wordsPart(std::string words);

} // namespace dishwright
