# Reshapes dishwright-calc's --help for help2man, which knows the layout of GNU
# programs' help. The command table prints each command as
#   usage: dishwright-calc FORM [OPTIONS]                 help
#          dishwright-calc FORM [OPTIONS]
#                          [MORE OPTIONS]                 help
# then its notes, one line after another. Out come
#   Usage: dishwright-calc FORM [OPTIONS]    every form whole, for the SYNOPSIS
#     or:  dishwright-calc FORM [OPTIONS]
#   *Commands*                               FORM and help, a tagged paragraph each
#   *Notes*                                  the notes, a paragraph each
# The words of the help are left as they are.

function flush(   form, n) {
  if (entry == "")
    return
  gsub(/  +/, " ", entry)
  sub(/^ /, "", entry)
  sub(/ $/, "", entry)
  usage[++forms] = entry
  if (help != "") {
    # The form without its options: up to the first "-o" or "[--...]".
    form = entry
    if ((n = match(form, / \[?-/)) > 0)
      form = substr(form, 1, n - 1)
    tag[++tags] = form
    text[tags] = help
  }
  entry = ""
  help = ""
}

# A line of an entry: the form's words, then, after two or more blanks, the
# help; a line indented deeper than the form's own continuation holds only help.
function entry_line(line, indent,   gap) {
  if (indent > cont_indent) {
    help = help (help == "" ? "" : " ") substr(line, indent + 1)
    return
  }
  line = substr(line, indent + 1)
  if ((gap = match(line, /  +/)) > 0) {
    entry = entry " " substr(line, 1, gap - 1)
    help = substr(line, gap + RLENGTH)
  } else {
    entry = entry " " line
  }
}

function leading_blanks(line) {
  match(line, /^ */)
  return RLENGTH
}

BEGIN { in_notes = 0; forms = 0; tags = 0; notes = 0 }

!in_notes && /^usage: [^ ]+ / {
  program = $2
  prefix_len = length("usage: ")
  cont_indent = prefix_len + length(program) + 1
  entry_line(substr($0, prefix_len + length(program) + 2), 0)
  next
}

!in_notes && program != "" && substr($0, 1, cont_indent) == sprintf("%*s%s ", prefix_len, "", program) {
  flush()
  entry_line(substr($0, cont_indent + 1), 0)
  next
}

!in_notes && program != "" && /^ / {
  entry_line($0, leading_blanks($0))
  next
}

{
  if (!in_notes)
    flush()
  in_notes = 1
  note[++notes] = $0
}

END {
  flush()
  for (i = 1; i <= forms; ++i)
    printf "%s %s %s\n", (i == 1 ? "Usage:" : "  or: "), program, usage[i]
  print ""
  print "*Commands*"
  for (i = 1; i <= tags; ++i)
    printf "  %s  %s\n", tag[i], text[i]
  if (notes == 0)
    exit
  print ""
  print "*Notes*"
  # A line that ends a sentence, followed by one that starts with a capital,
  # ends a note.
  for (i = 1; i <= notes; ++i) {
    print note[i]
    if (i < notes && note[i] ~ /\.$/ && note[i + 1] ~ /^[A-Z]/)
      print ""
  }
}
