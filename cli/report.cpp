#include "cli/report.h"

#include <stdexcept>

namespace dishwright {
namespace {

// What JSON and CSV use for themselves: no figure may take these keys.
constexpr std::string_view kReservedKeys[] = {"profile", "profile_unit", "warnings", "notes"};

// A profile row as the core writes it, "X....Y"; the dots part the two numbers.
constexpr std::string_view kRowSeparator = "....";

} // namespace

std::optional<ReportFormat> reportFormatNamed(std::string_view name) {
  if (name == "text")
    return ReportFormat::Text;
  if (name == "csv")
    return ReportFormat::Csv;
  if (name == "json")
    return ReportFormat::Json;
  return std::nullopt;
}

Report::Report(ReportFormat format, std::ostream &out)
    : writer_(format == ReportFormat::Json  ? jsonWriter(out)
              : format == ReportFormat::Csv ? csvWriter(out)
                                            : textWriter(out)) {}

// Two figures of one name would be one in JSON: a command's mistake, found by its tests.
void Report::addKey(const std::string &key) {
  for (std::string_view reserved : kReservedKeys)
    if (key == reserved)
      throw std::logic_error("the figure key \"" + key + "\" is taken by the report itself");
  if (!keys_.insert(key).second)
    throw std::logic_error("the figure key \"" + key + "\" is reported twice");
}

std::string Report::keyFor(Name name) {
  return name.key.empty() ? keyOfLabel(name.label) : std::string(name.key);
}

void Report::figure(Name name, double value, FigureUnit unit, int digits) {
  line(name, Figure::number(keyFor(name), value, unit, digits));
}

void Report::shown(Name name, std::string_view text, FigureUnit unit) {
  line(name, Figure::shown(keyFor(name), text, unit));
}

void Report::count(Name name, long long value) { line(name, Figure::count(keyFor(name), value)); }

void Report::words(Name name, std::string_view text) {
  line(name, Figure::words(keyFor(name), text));
}

void Report::line(Name name, Figure figure) {
  if (!name.key.empty() || figure.key.empty())
    figure.key = keyFor(name);
  line(name.label, {figurePart(std::move(figure))});
}

void Report::line(std::string_view label, std::vector<ReportLine::Part> parts) {
  if (inProfile_)
    throw std::logic_error("a figure after the profile: report the profile last");
  for (const ReportLine::Part &part : parts)
    if (part.isFigure)
      addKey(part.figure.key);
  writer_->line(ReportLine{std::string(label), std::move(parts)});
}

void Report::profile(std::string_view heading, FigureUnit unit) {
  if (inProfile_)
    throw std::logic_error("a second profile");
  inProfile_ = true;
  writer_->profile(heading, unit);
}

void Report::profileRow(std::string_view row) {
  const auto at = row.find(kRowSeparator);
  if (!inProfile_ || at == std::string_view::npos)
    throw std::logic_error("a profile row \"" + std::string(row) + "\" outside a profile");
  writer_->profileRow(row.substr(0, at), row.substr(at + kRowSeparator.size()));
}

void Report::warning(std::string text) {
  remarks_.push_back({Remark::Kind::Warning, std::move(text)});
}

void Report::note(std::string text) { remarks_.push_back({Remark::Kind::Note, std::move(text)}); }

void Report::finish() { writer_->finish(remarks_); }

ReportLine::Part figurePart(Figure figure) { return {true, std::move(figure), {}}; }

ReportLine::Part wordsPart(std::string words) { return {false, {}, std::move(words)}; }

} // namespace dishwright
