// The CSV output, for spreadsheets: one table of the figures, "name,value,unit,bound",
// and for a command with a profile a blank line and a second table, "radius,depth".
// Numbers are written as the text output writes them, with a decimal point in
// every locale; a field is quoted as RFC 4180 asks only where words need it.
#include "cli/report_writer.h"

#include <ostream>

namespace dishwright {
namespace {

// A field as RFC 4180 writes it: quoted, with quotes doubled, when it holds a
// comma, a quote or a line break.
std::string csvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos)
    return std::string(text);
  std::string field = "\"";
  for (const char c : text)
    field += c == '"' ? std::string("\"\"") : std::string(1, c);
  return field + '"';
}

std::string_view boundWords(Figure::Bound bound) {
  return bound == Figure::Bound::AtMost    ? "at most"
         : bound == Figure::Bound::AtLeast ? "at least"
                                           : "";
}

class CsvWriter : public ReportWriter {
public:
  explicit CsvWriter(std::ostream &out) : out_(out) { out_ << "name,value,unit,bound\n"; }

  void line(const ReportLine &line) override {
    for (const ReportLine::Part &part : line.parts)
      if (part.isFigure)
        row(part.figure);
  }
  void profile(std::string_view, FigureUnit unit) override {
    out_ << "profile,," << unit.symbol << ",\n\nradius,depth\n";
  }
  void profileRow(std::string_view radius, std::string_view depth) override {
    out_ << radius << ',' << depth << '\n';
  }
  void finish(const std::vector<Remark> &) override {} // remarks go to standard error

private:
  void row(const Figure &f) {
    const std::string value = f.kind == Figure::Kind::None ? std::string() : csvField(f.text);
    out_ << f.key << ',' << value << ',' << f.unit.symbol << ',' << boundWords(f.bound) << '\n';
  }

  std::ostream &out_;
};

} // namespace

std::unique_ptr<ReportWriter> csvWriter(std::ostream &out) {
  return std::make_unique<CsvWriter>(out);
}

} // namespace dishwright
