#include "cli/design_option.h"

#include "calc/common/input_error.h"
#include "calc/common/shown_text.h"
#include "cli/command_table.h"
#include "design/design_file.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace dishwright {
namespace {

constexpr std::string_view kOption = "--design";

// Where the file was named: the option's place and the file's name; the option
// (and its value) is taken out of `args`.
std::optional<std::string> takeDesignOption(std::vector<std::string> &args) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string &arg = args[i];
    if (arg.compare(0, kOption.size() + 1, std::string(kOption) + "=") == 0) {
      std::string file = arg.substr(kOption.size() + 1);
      args.erase(args.begin() + static_cast<std::ptrdiff_t>(i));
      return file;
    }
    if (arg == kOption) {
      const std::string group = args.empty() ? "" : args.front();
      if (i + 1 >= args.size())
        throw UsageError("--design needs FILE", group);
      std::string file = args[i + 1];
      args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                 args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
      return file;
    }
  }
  return std::nullopt;
}

std::string unitWord(DesignUnit unit) { return unit == DesignUnit::Feet ? "feet" : "meters"; }

bool given(const std::vector<std::string> &args, std::string_view option) {
  return std::any_of(args.begin(), args.end(), [option](const std::string &arg) {
    return arg == option || arg.compare(0, option.size() + 1, std::string(option) + "=") == 0;
  });
}

void insertAt(std::vector<std::string> &args, std::size_t at,
              const std::vector<std::string> &inserted) {
  at = std::min(at, args.size());
  args.insert(args.begin() + static_cast<std::ptrdiff_t>(at), inserted.begin(), inserted.end());
}

} // namespace

const char *const kDesignCommandsText = "feet, meters, print, can, template and feed";

std::vector<std::string> withDesignArguments(const std::vector<std::string> &given_args) {
  std::vector<std::string> args = given_args;
  const std::optional<std::string> path = takeDesignOption(args);
  if (!path)
    return given_args;
  const std::string command = args.empty() ? "" : args.front();
  const DesignInputs d = readDesignFile(*path).design;
  const std::string unit = unitWord(d.unit);
  if (command == "feet" || command == "meters") {
    if (command != unit)
      throw InputError(quotedText(*path) + " holds a diameter in " +
                       (d.unit == DesignUnit::Feet ? "feet" : "metres") + ": use " + unit +
                       ", not " + command);
    insertAt(args, 1, {d.fd, d.diameter, d.frequencyMHz});
  } else if (command == "print") {
    insertAt(args, 1, {unit, d.fd, d.diameter});
  } else if (command == "can") {
    insertAt(args, 1, {d.frequencyMHz});
  } else if (command == "template") {
    insertAt(args, 2, {unit, d.fd, d.diameter});
    if (!given(args, "--freq"))
      args.insert(args.end(), {"--freq", d.frequencyMHz});
  } else if (command == "feed") {
    insertAt(args, 1, {d.fd});
    if (!given(args, "--dish"))
      args.insert(args.end(), {"--dish", unit, d.diameter, d.frequencyMHz});
  } else {
    throw UsageError(std::string("--design is taken by ") + kDesignCommandsText +
                         (command.empty() ? "" : ", not by " + quotedText(command)),
                     "");
  }
  return args;
}

} // namespace dishwright
