// The text output: the lines the command line has always printed.
#include "cli/report_writer.h"

#include <ostream>

namespace dishwright {
namespace {

class TextWriter : public ReportWriter {
public:
  explicit TextWriter(std::ostream &out) : out_(out) {}

  void line(const ReportLine &line) override {
    out_ << line.label << ':';
    for (const ReportLine::Part &part : line.parts)
      out_ << ' ' << (part.isFigure ? part.figure.textShown() : part.words);
    out_ << '\n';
  }
  void profile(std::string_view heading, FigureUnit) override {
    out_ << "profile: " << heading << '\n';
  }
  void profileRow(std::string_view radius, std::string_view depth) override {
    out_ << radius << "...." << depth << '\n';
  }
  void finish(const std::vector<Remark> &) override {} // remarks go to standard error

private:
  std::ostream &out_;
};

} // namespace

std::unique_ptr<ReportWriter> textWriter(std::ostream &out) {
  return std::make_unique<TextWriter>(out);
}

} // namespace dishwright
