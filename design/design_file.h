// A design file (".dish", MIME type application/x-dishwright-design): one JSON
// object a builder keeps for the life of a dish.
//
//   {"format": "dishwright-design", "version": 1,
//    "design": {"fd": "0.4", "diameter": "4", "unit": "feet", "frequencyMHz": "2304"},
//    "windows": {"measure": {...}, "feed": {...}}}
//
// The design holds the input screen's three fields as they were typed (texts,
// read by the same grammar as the screen reads them) and the unit of the
// diameter. "windows" holds each tool window's inputs under the tool's key, as
// the window gave them. A file is refused in words when it is damaged, comes from
// a newer format, or lacks a field or has one of the wrong type; keys this version
// does not know are kept and written back when the design is saved again.
#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

namespace dishwright {

// The newest format this program reads and the one it writes.
constexpr int kDesignFormatVersion = 1;
// The "format" value that marks a design file.
constexpr std::string_view kDesignFormatName = "dishwright-design";

enum class DesignUnit { Feet, Meters };

// The input screen's fields, as typed, and the unit of the diameter.
struct DesignInputs {
  std::string fd;           // focal length / diameter, ratio
  std::string diameter;     // feet, or metres when unit is Meters
  std::string frequencyMHz; // MHz
  DesignUnit unit = DesignUnit::Feet;

  bool operator==(const DesignInputs &other) const {
    return fd == other.fd && diameter == other.diameter && frequencyMHz == other.frequencyMHz &&
           unit == other.unit;
  }
};

class DesignFile {
public:
  DesignInputs design;
  // Tool key ("measure") -> that window's inputs, a JSON object each.
  nlohmann::json windows = nlohmann::json::object();

  // The file's text, pretty-printed: what is known over what was read.
  std::string text() const;

  // Reads a design from `text`; `name` (the file's name) is shown escaped in the
  // words of a refusal. Throws InputError: "cannot open "dish.dish": ...".
  static DesignFile fromText(std::string_view text, const std::string &name);

private:
  nlohmann::json read_ = nlohmann::json::object(); // the whole object as read
};

// Reads the file at `path`; throws InputError naming it, escaped.
DesignFile readDesignFile(const std::string &path);
// Writes the file whole in place of the old one (files/replaced_file.h); throws
// std::runtime_error with the reason, the old file left as it was.
void writeDesignFile(const std::string &path, const DesignFile &file);

} // namespace dishwright
