#include "cli/command_completion.h"

#include <stdexcept>

namespace dishwright {
namespace {

// The completion function, over the arrays the table fills in (<P> the program's
// name as a shell identifier). Forms and options keep the table's notation: a
// lower-case word, choices a|b, an upper-case value, [optional].
constexpr const char *kFunctions = R"bash(
# The candidates of one token of a form or of an option's value.
_<P>_token() {
  local token=${1#[}
  token=${token%]}
  if [[ $token == *[A-Z]* ]]; then
    [[ $token == FILE* ]] && compgen -f -- "$2"
  else
    compgen -W "${token//|/ }" -- "$2"
  fi
}

# Whether word $2 may stand where token $1 of a form is.
_<P>_fits() {
  local token=${1#[}
  token=${token%]}
  [[ $token == *[A-Z]* || "|$token|" == *"|$2|"* ]]
}

# The candidates for the word being typed ($3) when the words before it follow
# form $1 with options $2; nothing when they do not.
_<P>_row() {
  local -a form options
  local -A arity=() values=()
  read -ra form <<<"$1"
  read -ra options <<<"$2"
  local cur=$3 name="" w token i pos=0 ended=0 left=0 option=""
  for w in "${options[@]}"; do
    w=${w#[}
    w=${w%]}
    if [[ $w == -* ]]; then
      name=$w
      arity[$name]=0
    else
      values[$name.${arity[$name]}]=$w
      arity[$name]=$((arity[$name] + 1))
    fi
  done
  for ((i = 1; i < COMP_CWORD; i++)); do
    w=${COMP_WORDS[i]}
    [[ $w == = ]] && continue # bash splits --name=value at the =
    if ((left > 0)); then
      left=$((left - 1))
      continue
    fi
    if ((!ended)) && [[ $w == -- ]]; then
      ended=1
      continue
    fi
    if ((!ended)) && [[ $w == -[a-zA-Z]* || $w == --[a-zA-Z]* ]]; then
      option=$w
      if [[ -n ${arity[$w]+set} ]]; then
        left=${arity[$w]}
      elif [[ ${#w} -gt 2 && -n ${arity[${w:0:2}]+set} ]]; then
        left=$((arity[${w:0:2}] - 1)) # -oFILE
      fi
      continue
    fi
    token=${form[pos]-}
    [[ -n $token ]] && _<P>_fits "$token" "$w" || return 0
    pos=$((pos + 1))
  done
  [[ $cur == = ]] && cur=""
  if ((left > 0)); then
    _<P>_token "${values[$option.$((arity[$option] - left))]-}" "$cur"
  elif ((!ended)) && [[ $cur == -* ]]; then
    compgen -W "${!arity[*]}" -- "$cur"
  elif [[ -n ${form[pos]-} ]]; then
    _<P>_token "${form[pos]}" "$cur"
  fi
}

_<P>() {
  local r
  COMPREPLY=()
  mapfile -t COMPREPLY < <(
    for r in "${!_<P>_forms[@]}"; do
      _<P>_row "${_<P>_forms[r]}" "${_<P>_options[r]} $_<P>_common" "${COMP_WORDS[COMP_CWORD]}"
    done | LC_ALL=C sort -u
  )
}
complete -F _<P> <NAME>
)bash";

std::string replaced(std::string text, const std::string &from, const std::string &to) {
  for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

// A table text in single quotes: the table's notation has none of its own.
std::string singleQuoted(const std::string &text) {
  if (text.find('\'') != std::string::npos)
    throw std::logic_error("a quote in the command table: " + text);
  return "'" + text + "'";
}

} // namespace

std::string bashCompletion(const CommandTable &table) {
  const std::string prefix = replaced(table.program(), "-", "_");
  std::string forms, options;
  for (const Subcommand &row : table.rows()) {
    forms += "  " + singleQuoted(row.form) + "\n";
    options += "  " + singleQuoted(row.options) + "\n";
  }
  std::string script = "# bash completion for " + table.program() + ", made by `" +
                       table.program() + " --completion bash` from its command table.\n";
  script += "_<P>_forms=(\n" + forms + ")\n";
  script += "_<P>_options=(\n" + options + ")\n";
  script += "_<P>_common=" + singleQuoted(table.commonOptions() + " [--help]") + "\n";
  script += kFunctions;
  return replaced(replaced(script, "<P>", prefix), "<NAME>", table.program());
}

} // namespace dishwright
