// The command line's one table of subcommands: each row names its words, its
// arguments, its options and a help line, and points at the function that runs
// it. The usage, --help and every usage error are made from the table, so a new
// subcommand is one row and one function.
#pragma once

#include <iosfwd>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace dishwright {

// What a subcommand is given once its form was checked against its row: the
// arguments after its own words, by place, and the options by name.
struct Invocation {
  std::vector<std::string> args;                           // positional, in order
  std::map<std::string, std::vector<std::string>> options; // name -> its values
  std::istream *in = nullptr;

  const std::string &arg(std::size_t i) const { return args.at(i); }
  bool hasArg(std::size_t i) const { return i < args.size(); }
  bool has(std::string_view option) const { return options.count(std::string(option)) != 0; }
  // The values of `option`; throws std::out_of_range when it was not given.
  const std::vector<std::string> &values(std::string_view option) const {
    return options.at(std::string(option));
  }
};

class Report;
using Handler = void (*)(const Invocation &call, Report &out);

// One row. `form` is the command's words and arguments in the order they are
// typed: lower-case words select the row ("measure", "prime"), `a|b|c` is an
// argument that takes one of the words listed, an upper-case NAME is any text
// (numbers are read by the handler), and [NAME] at the end may be left out.
// `options` lists the options in the same notation: "[--hub H]" may be given,
// "-o FILE" must be; a bracketed flag such as "[--svg]" takes no value.
struct Subcommand {
  const char *form;
  const char *options;
  const char *help; // one short line: what the command gives
  Handler run;
};

// Notes printed under a group's usage lines (the group is the first word).
struct GroupNote {
  const char *group;
  const char *text; // whole lines, each ending in '\n'
};

// Wrong usage, in words: "template rib needs -o FILE". The usage follows it,
// or, for a command or an option that does not exist (`brief`), only a hint
// where the usage is.
class UsageError : public std::runtime_error {
public:
  UsageError(const std::string &what, std::string group, bool brief = false)
      : std::runtime_error(what), group_(std::move(group)), brief_(brief) {}
  // The first word of the subcommand that was meant, "" when none was recognised.
  const std::string &group() const { return group_; }
  bool brief() const { return brief_; }

private:
  std::string group_;
  bool brief_;
};

class CommandTable {
public:
  // `commonOptions`, in the notation of a row's options, are taken by every row
  // ("[--format text|csv|json]"); the footer tells of them.
  CommandTable(std::string program, std::vector<Subcommand> rows, std::vector<GroupNote> notes,
               std::string footer, std::string commonOptions = {});

  // The row `args` select and what it is given; throws UsageError when the form
  // is wrong (a word unknown, an argument missing or one too many, an option
  // missing, unknown or repeated). "--name=VALUE", "-oVALUE" and "--" are read as
  // argument_split.h tells.
  std::pair<const Subcommand *, Invocation> parse(const std::vector<std::string> &args) const;

  // Every row's usage line with the notes and the footer; or, for one group,
  // that group's lines and notes.
  std::string usage(std::string_view group = {}) const;
  bool hasGroup(std::string_view group) const;
  const std::string &program() const { return program_; }
  const std::vector<Subcommand> &rows() const { return rows_; }
  const std::string &commonOptions() const { return commonOptions_; }

private:
  const Subcommand &selectRow(const std::vector<std::string> &args) const;
  std::string usageLine(const Subcommand &row, bool first) const;

  std::string program_;
  std::vector<Subcommand> rows_;
  std::vector<GroupNote> notes_;
  std::string footer_;
  std::string commonOptions_;
};

} // namespace dishwright
