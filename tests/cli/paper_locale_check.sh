#!/usr/bin/env bash
# The paper of a PDF template when none is chosen, under real locales: PAPERSIZE,
# then LC_PAPER (LC_ALL, LC_PAPER or LANG naming it), then A4; --paper over all.
# en_CA and de_DE are built with localedef into a temporary LOCPATH when they are
# not installed; the test is skipped (status 77) when they cannot be.
# usage: paper_locale_check.sh DISHWRIGHT_CALC
set -u
calc=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
command -v pdfinfo >/dev/null || { echo "skipped: pdfinfo (poppler-utils) is not installed"; exit 77; }

mkdir -p "$tmp/locales"
for name in en_CA de_DE; do
  if ! localedef -i $name -f UTF-8 "$tmp/locales/$name.UTF-8" >"$tmp/localedef.log" 2>&1; then
    echo "skipped: localedef could not build $name.UTF-8: $(tail -1 "$tmp/localedef.log")"
    exit 77
  fi
done
export LOCPATH=$tmp/locales

fail=0
# expected paper (as pdfinfo names it), then the environment, then -- and options
check() {
  local expected=$1
  shift
  local -a environment=()
  while [ "$1" != -- ]; do
    environment+=("$1")
    shift
  done
  shift
  rm -f "$tmp/rib.pdf"
  if ! env -u PAPERSIZE -u LC_ALL -u LC_PAPER -u LANG "${environment[@]}" \
    "$calc" template rib meters 0.4 0.3 "$@" -o "$tmp/rib.pdf" >/dev/null 2>"$tmp/err"; then
    echo "${environment[*]} $*: failed: $(cat "$tmp/err")"
    fail=1
    return
  fi
  local got
  got=$(pdfinfo "$tmp/rib.pdf" | sed -n 's/^Page size:.*(\(.*\))$/\1/p')
  if [ "$got" != "$expected" ]; then
    echo "${environment[*]} $*: paper \"$got\", expected \"$expected\""
    fail=1
  fi
}

check letter LC_ALL=en_CA.UTF-8 --
check A4 LC_ALL=de_DE.UTF-8 --
check letter LANG=de_DE.UTF-8 LC_PAPER=en_CA.UTF-8 --
check A4 LANG=en_CA.UTF-8 LC_PAPER=de_DE.UTF-8 --
check A4 PAPERSIZE=a4 LC_ALL=en_CA.UTF-8 --
check letter PAPERSIZE=letter LC_ALL=de_DE.UTF-8 --
check letter PAPERSIZE=legal LC_ALL=en_CA.UTF-8 --
check A4 LANG=C.UTF-8 --
check A4 LC_ALL=xx_YY.UTF-8 -- # a locale that is not installed
check A4 LC_ALL=en_CA.UTF-8 -- --paper a4
check letter PAPERSIZE=a4 -- --paper=letter
exit $fail
