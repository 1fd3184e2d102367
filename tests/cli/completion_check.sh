#!/usr/bin/env bash
# Sources the bash completion the build wrote, as bash-completion does, and
# completes words in a table of command lines: each row is the words typed (the
# last one being completed, possibly empty) and the candidates expected, in order.
# usage: completion_check.sh COMPLETION_SCRIPT
set -u
script=$1
# shellcheck source=/dev/null
source "$script" || { echo "cannot source $script"; exit 1; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
touch "$tmp/pattern.txt"

fail=0
check() { # EXPECTED WORD...
  local expected=$1
  shift
  COMP_WORDS=(dishwright-calc "$@")
  COMP_CWORD=$#
  _dishwright_calc
  local got="${COMPREPLY[*]}"
  if [ "$got" != "$expected" ]; then
    echo "dishwright-calc $* <TAB>: got \"$got\", expected \"$expected\""
    fail=1
  fi
}

check "template" te
check "measure" meas
check "petal rib" template ""
check "fit offset prime" measure ""
check "feet meters" template rib ""
check "a4 letter sheet" template rib feet 0.4 4 --paper ""
check "letter" template rib feet 0.4 4 --paper l
check "csv json text" feet 0.4 4 2304 --format ""
check "--format" feet 0.4 4 2304 --fo
check "--dxf --format --freq --help --hub --paper --svg" template rib feet 0.4 4 --
check "feet meters" sun measure 14 1296 106 --dish ""
check "feet meters" feed 0.4 cos 2 --dish ""
check "" feed 0.4 cos 2 --dish feet "" # DIAMETER: a number, nothing to offer
check "cm in mm" can-check ""
check "" feet 0.4 4 2304 "" # the form is complete
check "" inches ""          # no such command
check "$tmp/pattern.txt" feed 0.4 pattern "$tmp/pat"
check "csv" feet 0.4 4 2304 --format = c # bash splits --format=c at the =
check "beamwidth can cos pattern" feed -0.4 ""
exit $fail
