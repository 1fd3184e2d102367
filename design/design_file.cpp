#include "design/design_file.h"

#include "calc/common/input_error.h"
#include "calc/common/shown_text.h"

namespace dishwright {
namespace {

using nlohmann::json;

constexpr std::string_view kFeetWord = "feet";
constexpr std::string_view kMetersWord = "meters";

// What a JSON value is, in the words of a refusal.
std::string kindWords(const json &value) {
  switch (value.type()) {
  case json::value_t::object:
    return "a group of fields";
  case json::value_t::array:
    return "a list";
  case json::value_t::string:
    return "text";
  case json::value_t::boolean:
    return "true or false";
  case json::value_t::null:
    return "null";
  default:
    return "a number";
  }
}

class Refusal {
public:
  explicit Refusal(const std::string &name) : prefix_("cannot open " + quotedText(name) + ": ") {}

  [[noreturn]] void fail(const std::string &why) const { throw InputError(prefix_ + why); }

  // The member `key` of `parent` (named `path` in words), which must be there.
  const json &member(const json &parent, const std::string &key, const std::string &path) const {
    const auto found = parent.find(key);
    if (found == parent.end())
      fail("the field \"" + path + "\" is missing");
    return *found;
  }

  void requireType(const json &value, json::value_t type, const std::string &path,
                   const std::string &wanted) const {
    const bool number = type == json::value_t::number_integer;
    if (number ? !value.is_number_integer() : value.type() != type)
      fail("the field \"" + path + "\" should be " + wanted + ", not " + kindWords(value));
  }

  std::string text(const json &parent, const std::string &key, const std::string &path) const {
    const json &value = member(parent, key, path);
    requireType(value, json::value_t::string, path, "text");
    return value.get<std::string>();
  }

private:
  std::string prefix_;
};

// nlohmann's words without its "[json.exception.parse_error.101] " tag, escaped:
// they quote what was read last.
std::string parseWords(const json::parse_error &e) {
  std::string words = e.what();
  if (const auto end = words.find("] "); end != std::string::npos)
    words.erase(0, end + 2);
  return escapedText(words);
}

void readFormat(const json &whole, const Refusal &refuse) {
  if (!whole.is_object())
    refuse.fail("it is not a design file (it holds " + kindWords(whole) +
                ", not a group of fields)");
  const auto format = whole.find("format");
  if (format == whole.end() || !format->is_string() || *format != kDesignFormatName)
    refuse.fail("it is not a design file (no \"format\": \"" + std::string(kDesignFormatName) +
                "\")");
  const json &version = refuse.member(whole, "version", "version");
  refuse.requireType(version, json::value_t::number_integer, "version", "a whole number");
  if (version.get<long long>() > kDesignFormatVersion)
    refuse.fail("it was saved by a newer dishwright (design format " + version.dump() +
                "; this one reads formats up to " + std::to_string(kDesignFormatVersion) +
                "); open it with that version");
  if (version.get<long long>() < 1)
    refuse.fail("its design format " + version.dump() + " is none that dishwright wrote");
}

DesignInputs readDesign(const json &whole, const Refusal &refuse) {
  const json &design = refuse.member(whole, "design", "design");
  refuse.requireType(design, json::value_t::object, "design", "a group of fields");
  DesignInputs inputs;
  inputs.fd = refuse.text(design, "fd", "design.fd");
  inputs.diameter = refuse.text(design, "diameter", "design.diameter");
  inputs.frequencyMHz = refuse.text(design, "frequencyMHz", "design.frequencyMHz");
  const std::string unit = refuse.text(design, "unit", "design.unit");
  if (unit != kFeetWord && unit != kMetersWord)
    refuse.fail("the field \"design.unit\" should be \"feet\" or \"meters\", not " +
                quotedText(unit));
  inputs.unit = unit == kFeetWord ? DesignUnit::Feet : DesignUnit::Meters;
  return inputs;
}

json readWindows(const json &whole, const Refusal &refuse) {
  const json &windows = refuse.member(whole, "windows", "windows");
  refuse.requireType(windows, json::value_t::object, "windows", "a group of fields");
  for (const auto &[key, inputs] : windows.items())
    refuse.requireType(inputs, json::value_t::object, "windows." + escapedText(key),
                       "a group of fields");
  return windows;
}

} // namespace

DesignFile DesignFile::fromText(std::string_view text, const std::string &name) {
  const Refusal refuse(name);
  json whole;
  try {
    whole = json::parse(text);
  } catch (const json::parse_error &e) {
    refuse.fail("it is damaged or not a design file: " + parseWords(e));
  }
  readFormat(whole, refuse);
  DesignFile file;
  file.design = readDesign(whole, refuse);
  file.windows = readWindows(whole, refuse);
  file.read_ = std::move(whole);
  return file;
}

std::string DesignFile::text() const {
  json whole = read_;
  whole["format"] = kDesignFormatName;
  whole["version"] = kDesignFormatVersion;
  json &design = whole["design"];
  design["fd"] = this->design.fd;
  design["diameter"] = this->design.diameter;
  design["unit"] = this->design.unit == DesignUnit::Feet ? kFeetWord : kMetersWord;
  design["frequencyMHz"] = this->design.frequencyMHz;
  // A window's inputs go over what was read for it, so that the fields a newer
  // version wrote there stay; windows this version does not know stay as read.
  json &shown = whole["windows"];
  if (!shown.is_object())
    shown = json::object();
  for (const auto &[key, inputs] : windows.items()) {
    json &kept = shown[key];
    if (kept.is_object() && inputs.is_object())
      kept.update(inputs, true);
    else
      kept = inputs;
  }
  return whole.dump(2) + "\n";
}

} // namespace dishwright
