// The JSON output: one object whose members are the figures by their keys, each
// {"value": ..., "unit": ...}, then "profile_unit" and "profile" (an array of
// {"radius": ..., "depth": ...}) when the command lists one, then "warnings" and
// "notes", arrays of strings. A figure's value is the number the text output
// shows (to the same digits), read back from that text.
//
// Every key and value is serialised by nlohmann::json. The object is written a
// member at a time, the profile a row at a time, because a listing may have tens
// of millions of rows that a whole document in memory could not hold: only the
// braces, brackets and commas between the library's pieces are written here.
#include "cli/report_writer.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <ostream>

namespace dishwright {
namespace {

using Json = nlohmann::ordered_json;

// Bytes that are not UTF-8 (none should reach here: quoted input is escaped)
// become U+FFFD rather than stopping the output.
std::string dumped(const Json &value) {
  return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// The number a text shows ("0.5125868", "5.125868E-07"), read in the C locale's
// way whatever the user's; a text that is no number stays a string.
Json numberOf(std::string_view text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size())
    return Json(text);
  return Json(value);
}

Json valueOf(const Figure &f) {
  switch (f.kind) {
  case Figure::Kind::Number:
    return numberOf(f.text);
  case Figure::Kind::Count:
    return Json(std::stoll(f.text));
  case Figure::Kind::Words:
    return Json(f.text);
  case Figure::Kind::None:
    break;
  }
  return Json(nullptr);
}

Json figureObject(const Figure &f) {
  Json object{{"value", valueOf(f)}};
  if (!f.unit.none())
    object["unit"] = f.unit.symbol;
  if (f.bound != Figure::Bound::Exact)
    object["bound"] = f.bound == Figure::Bound::AtMost ? "at most" : "at least";
  return object;
}

class JsonWriter : public ReportWriter {
public:
  explicit JsonWriter(std::ostream &out) : out_(out) { out_ << '{'; }

  void line(const ReportLine &line) override {
    for (const ReportLine::Part &part : line.parts)
      if (part.isFigure)
        member(part.figure.key, figureObject(part.figure));
  }
  void profile(std::string_view, FigureUnit unit) override {
    member("profile_unit", Json(unit.symbol));
    out_ << ",\n  " << dumped(Json("profile")) << ": [";
    inProfile_ = true;
  }
  void profileRow(std::string_view radius, std::string_view depth) override {
    out_ << (firstRow_ ? "\n    " : ",\n    ")
         << dumped(Json{{"radius", numberOf(radius)}, {"depth", numberOf(depth)}});
    firstRow_ = false;
  }
  void finish(const std::vector<Remark> &remarks) override {
    if (inProfile_)
      out_ << (firstRow_ ? "]" : "\n  ]");
    Json warnings = Json::array(), notes = Json::array();
    for (const Remark &remark : remarks)
      (remark.kind == Remark::Kind::Warning ? warnings : notes).push_back(remark.text);
    member("warnings", warnings);
    member("notes", notes);
    out_ << "\n}\n";
  }

private:
  void member(std::string_view key, const Json &value) {
    out_ << (first_ ? "\n  " : ",\n  ") << dumped(Json(key)) << ": " << dumped(value);
    first_ = false;
  }

  std::ostream &out_;
  bool first_ = true;
  bool inProfile_ = false;
  bool firstRow_ = true;
};

} // namespace

std::unique_ptr<ReportWriter> jsonWriter(std::ostream &out) {
  return std::make_unique<JsonWriter>(out);
}

} // namespace dishwright
