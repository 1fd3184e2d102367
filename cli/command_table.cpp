#include "cli/command_table.h"

#include "calc/common/shown_text.h"
#include "cli/argument_split.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace dishwright {
namespace {

// Where a row's help line starts, and how wide usage lines grow before wrapping.
constexpr std::size_t kHelpColumn = 49;
constexpr std::size_t kUsageWidth = 100;
constexpr std::string_view kFirstPrefix = "usage: ";
constexpr std::string_view kNextPrefix = "       ";

std::vector<std::string> words(std::string_view text) {
  std::vector<std::string> out;
  std::istringstream in{std::string(text)};
  for (std::string word; in >> word;)
    out.push_back(word);
  return out;
}

bool hasUpper(std::string_view token) {
  return std::any_of(token.begin(), token.end(),
                     [](unsigned char c) { return std::isupper(c) != 0; });
}

// A token of a form: a word that selects the row, a choice of words, or a value.
struct Token {
  enum Kind { Word, Choice, Value } kind;
  std::string text; // as the usage shows it
  std::vector<std::string> choices;
  bool optional = false;
};

std::vector<std::string> split(const std::string &text, char at) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, at))
    parts.push_back(part);
  return parts;
}

Token token(const std::string &text) {
  Token t{Token::Word, text, {}, false};
  std::string bare = text;
  if (bare.size() > 2 && bare.front() == '[' && bare.back() == ']') {
    bare = bare.substr(1, bare.size() - 2);
    t.optional = true;
  }
  if (hasUpper(bare))
    t.kind = Token::Value;
  else if (bare.find('|') != std::string::npos) {
    t.kind = Token::Choice;
    t.choices = split(bare, '|');
  }
  return t;
}

std::vector<Token> tokens(std::string_view form) {
  std::vector<Token> out;
  for (const std::string &w : words(form))
    out.push_back(token(w));
  return out;
}

// "feet or meters", "prime, offset or fit".
std::string alternatives(const std::vector<std::string> &choices) {
  std::string text;
  for (std::size_t i = 0; i < choices.size(); ++i) {
    if (i > 0)
      text += i + 1 == choices.size() ? " or " : ", ";
    text += choices[i];
  }
  return text;
}

// An argument as an error quotes it: escaped, so that it cannot drive the terminal.
std::string quoted(const std::string &text) { return quotedText(text); }

// One option of a row: its name, the tokens of its values, whether it must be given.
struct OptionRule {
  std::string name;
  std::vector<Token> values;
  bool required = true;
  std::string text; // as the usage shows it
};

std::vector<OptionRule> optionRules(std::string_view options) {
  std::vector<OptionRule> rules;
  for (std::string w : words(options)) {
    const bool opens = w.front() == '[';
    const bool closes = w.back() == ']';
    if (opens)
      w.erase(0, 1);
    if (closes)
      w.pop_back();
    if (w.front() == '-' && w.size() > 1) {
      rules.push_back({w, {}, !opens, w});
    } else if (!rules.empty()) {
      rules.back().values.push_back(token(w));
      rules.back().text += " " + w;
    }
  }
  return rules;
}

const OptionRule *findOption(const std::vector<OptionRule> &rules, const std::string &name) {
  for (const OptionRule &rule : rules)
    if (rule.name == name)
      return &rule;
  return nullptr;
}

void checkChoice(const Token &t, const std::string &value, const std::string &who) {
  if (t.kind == Token::Choice &&
      std::find(t.choices.begin(), t.choices.end(), value) == t.choices.end())
    throw std::invalid_argument(who + " takes " + alternatives(t.choices) + ", not " +
                                quoted(value));
}

// The words that select a row, "measure prime", and its other tokens, "in|cm|mm
// DIA DEPTH", for the words of an error.
std::string selectingWords(const std::vector<Token> &form) {
  std::string text;
  for (const Token &t : form)
    if (t.kind == Token::Word)
      text += (text.empty() ? "" : " ") + t.text;
  return text;
}

std::string argumentNames(const std::vector<Token> &form) {
  std::string text;
  for (const Token &t : form)
    if (t.kind != Token::Word)
      text += (text.empty() ? "" : " ") + t.text;
  return text;
}

// An option the row does not have: one line and a hint, not the whole usage.
struct UnknownOption : std::invalid_argument {
  using std::invalid_argument::invalid_argument;
};

// The one-letter options of `rules` that take a value, which may be glued on: "-o".
std::vector<std::string> shortOptions(const std::vector<OptionRule> &rules) {
  std::vector<std::string> names;
  for (const OptionRule &rule : rules)
    if (rule.name.size() == 2 && !rule.values.empty())
      names.push_back(rule.name);
  return names;
}

// Where the values of the option at `at` end: the next argument when it is the
// glued value, else as many as the option takes.
std::size_t afterValues(const std::vector<Argument> &args, std::size_t at, std::size_t count) {
  std::size_t next = at + 1;
  for (; count > 0 && next < args.size(); --count)
    ++next;
  return next;
}

// The arguments that are not options nor their values; nothing is checked, so
// that the row can be judged on its words first.
std::vector<std::string> withoutOptions(const std::vector<Argument> &args,
                                        const std::vector<OptionRule> &rules) {
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (looksLikeOption(args[i])) {
      const OptionRule *rule = findOption(rules, args[i].text);
      const bool gluedNext = i + 1 < args.size() && args[i + 1].glued;
      i = afterValues(args, i, rule ? rule->values.size() : gluedNext ? 1 : 0) - 1;
    } else if (!args[i].glued) {
      positional.push_back(args[i].text);
    }
  }
  return positional;
}

// The values of `rule`, the option at args[at], into `values`, checked; returns
// the index of its last value.
std::size_t takeValues(const std::vector<Argument> &args, std::size_t at, const OptionRule &rule,
                       const std::vector<OptionRule> &rules, std::vector<std::string> &values) {
  std::size_t i = at;
  if (rule.values.empty() && i + 1 < args.size() && args[i + 1].glued)
    throw std::invalid_argument(rule.name + " takes no value, not " + quoted(args[i + 1].text));
  const std::string needs = rule.name + " needs " + argumentNames(rule.values);
  for (const Token &value : rule.values) {
    if (++i >= args.size() || args[i].operand)
      throw std::invalid_argument(needs);
    // an option's name is never taken as a value, unless glued on: --hub=--x
    if (looksLikeOption(args[i]) && findOption(rules, args[i].text))
      throw std::invalid_argument(needs + ", not " + quoted(args[i].text));
    checkChoice(value, args[i].text, rule.name);
    values.push_back(args[i].text);
  }
  return i;
}

// The row's own options and those every row takes.
std::vector<OptionRule> rulesOf(const Subcommand &row, const std::string &commonOptions) {
  std::vector<OptionRule> all = optionRules(row.options);
  for (OptionRule &rule : optionRules(commonOptions))
    all.push_back(std::move(rule));
  return all;
}

// Takes the row's options out of `args` into `call`, checked; returns what is
// left, the positional arguments. `who` names the command in the words of an error.
std::vector<std::string> takeOptions(const std::vector<Argument> &args,
                                     const std::vector<OptionRule> &rules, const std::string &who,
                                     Invocation &call) {
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (!looksLikeOption(args[i])) {
      positional.push_back(args[i].text);
      continue;
    }
    const OptionRule *rule = findOption(rules, args[i].text);
    if (!rule)
      throw UnknownOption(who + " has no option " + quoted(args[i].text));
    if (call.has(rule->name))
      throw std::invalid_argument(rule->name + " is given twice");
    i = takeValues(args, i, *rule, rules, call.options[rule->name]);
  }
  for (const OptionRule &rule : rules)
    if (rule.required && !call.has(rule.name))
      throw std::invalid_argument(who + " needs " + rule.text);
  return positional;
}

// How far `positional` follows the words of `form`: the number of leading tokens
// before the first word that differs (or is missing).
std::size_t wordsMatched(const std::vector<Token> &form, const std::vector<std::string> &args) {
  for (std::size_t i = 0; i < form.size(); ++i)
    if (form[i].kind == Token::Word && (i >= args.size() || args[i] != form[i].text))
      return i;
  return form.size();
}

void checkArguments(const std::vector<Token> &form, const std::vector<std::string> &args) {
  const std::string who = selectingWords(form);
  const std::string takes = who + " takes " + argumentNames(form);
  for (std::size_t i = 0; i < form.size(); ++i) {
    if (i >= args.size()) {
      if (form[i].optional)
        return;
      throw std::invalid_argument(
          takes + ": " +
          (form[i].kind == Token::Choice ? alternatives(form[i].choices) : form[i].text) +
          " is missing");
    }
    checkChoice(form[i], args[i], who);
  }
  if (args.size() > form.size())
    throw std::invalid_argument(takes + ": " + quoted(args[form.size()]) + " is one too many");
}

} // namespace

CommandTable::CommandTable(std::string program, std::vector<Subcommand> rows,
                           std::vector<GroupNote> notes, std::string footer,
                           std::string commonOptions)
    : program_(std::move(program)), rows_(std::move(rows)), notes_(std::move(notes)),
      footer_(std::move(footer)), commonOptions_(std::move(commonOptions)) {}

bool CommandTable::hasGroup(std::string_view group) const {
  return std::any_of(rows_.begin(), rows_.end(),
                     [group](const Subcommand &row) { return words(row.form)[0] == group; });
}

std::pair<const Subcommand *, Invocation>
CommandTable::parse(const std::vector<std::string> &args) const {
  if (!args.empty() && args[0] == "--" && args.size() > 1) { // -- COMMAND ...: all operands
    std::vector<std::string> operands{args[1], "--"};
    operands.insert(operands.end(), args.begin() + 2, args.end());
    return parse(operands);
  }
  if (args.empty())
    throw UsageError("no command given", "");
  const std::string &group = args[0];
  if (!hasGroup(group))
    throw UsageError("unknown command " + quoted(group), "", true);
  try {
    const Subcommand &row = selectRow(args);
    const std::vector<Token> form = tokens(row.form);
    const std::vector<OptionRule> options = rulesOf(row, commonOptions_);
    Invocation call;
    const std::vector<std::string> positional = takeOptions(
        splitArguments(args, shortOptions(options)), options, selectingWords(form), call);
    checkArguments(form, positional);
    for (std::size_t i = 0; i < positional.size(); ++i)
      if (form[i].kind != Token::Word)
        call.args.push_back(positional[i]);
    return {&row, std::move(call)};
  } catch (const UnknownOption &e) {
    throw UsageError(e.what(), group, true);
  } catch (const std::invalid_argument &e) {
    throw UsageError(e.what(), group);
  }
}

// The row of args[0]'s group whose words the arguments follow; when none does,
// says which words were expected where the arguments leave every row.
const Subcommand &CommandTable::selectRow(const std::vector<std::string> &args) const {
  const Subcommand *farthest = nullptr;
  std::size_t depth = 0;
  std::vector<std::string> expected;
  for (const Subcommand &row : rows_) {
    const std::vector<Token> form = tokens(row.form);
    if (form[0].text != args[0])
      continue;
    const std::vector<OptionRule> options = rulesOf(row, commonOptions_);
    const std::size_t matched =
        wordsMatched(form, withoutOptions(splitArguments(args, shortOptions(options)), options));
    if (matched == form.size())
      return row;
    if (!farthest || matched > depth) {
      farthest = &row, depth = matched;
      expected.clear();
    }
    if (matched == depth)
      expected.push_back(form[matched].text);
  }
  const std::vector<Token> form = tokens(farthest->form);
  std::string before;
  for (std::size_t i = 0; i < depth; ++i)
    before += (i ? " " : "") + form[i].text;
  const std::vector<OptionRule> options = rulesOf(*farthest, commonOptions_);
  const std::vector<std::string> positional =
      withoutOptions(splitArguments(args, shortOptions(options)), options);
  if (depth >= positional.size())
    throw std::invalid_argument(before + " needs " + alternatives(expected));
  throw std::invalid_argument(before + " takes " + alternatives(expected) + ", not " +
                              quoted(positional[depth]));
}

std::string CommandTable::usageLine(const Subcommand &row, bool first) const {
  std::string line = std::string(first ? kFirstPrefix : kNextPrefix) + program_ + " " + row.form;
  const std::string indent(kNextPrefix.size() + program_.size() + 1, ' ');
  for (const OptionRule &rule : optionRules(row.options)) {
    const std::string part = rule.required ? rule.text : '[' + rule.text + ']';
    const std::size_t lineStart = line.rfind('\n') == std::string::npos ? 0 : line.rfind('\n') + 1;
    if (line.size() - lineStart + 1 + part.size() > kUsageWidth)
      line.append("\n").append(indent);
    else
      line += ' ';
    line += part;
  }
  const std::size_t lineStart = line.rfind('\n') == std::string::npos ? 0 : line.rfind('\n') + 1;
  const std::size_t used = line.size() - lineStart;
  if (used + 2 <= kHelpColumn)
    line += std::string(kHelpColumn - used, ' ');
  else
    line += "\n" + std::string(kHelpColumn, ' ');
  return line + row.help + "\n";
}

std::string CommandTable::usage(std::string_view group) const {
  std::string text;
  for (const Subcommand &row : rows_)
    if (group.empty() || words(row.form)[0] == group)
      text += usageLine(row, text.empty());
  if (group.empty())
    text += footer_;
  for (const GroupNote &note : notes_)
    if (group.empty() || note.group == group)
      text += note.text;
  return text;
}

} // namespace dishwright
