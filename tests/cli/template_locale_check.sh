#!/usr/bin/env bash
# Files for other programs carry a decimal point in every locale: the cutter's
# files (DXF in inches and in mm, SVG) and the figures are written under a
# decimal-comma locale and under C and compared byte for byte, and the desktop's
# own writers (QtTest cases named TEST:CASE: the templates window's Save DXF,
# the profile's CSV) are run under the comma locale. The locale is built with
# localedef into a temporary LOCPATH when none is installed; the test is skipped
# (status 77) with the reason when it cannot be.
# usage: template_locale_check.sh DISHWRIGHT_CALC [TEST:CASE...]
set -u
calc=$1
shift
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The first locale whose decimal mark is a comma: an installed one, or de_DE built here.
comma=""
for name in de_DE.UTF-8 fr_FR.UTF-8 it_IT.UTF-8 ru_RU.UTF-8; do
  if [ "$(LC_ALL=$name locale decimal_point 2>/dev/null)" = "," ]; then
    comma=$name
    break
  fi
done
if [ -z "$comma" ]; then
  mkdir -p "$tmp/locales"
  if ! localedef -i de_DE -f UTF-8 "$tmp/locales/de_DE.UTF-8" >"$tmp/localedef.log" 2>&1; then
    echo "skipped: no decimal-comma locale is installed and localedef could not build de_DE.UTF-8" \
      "(the locales package has its sources): $(tail -1 "$tmp/localedef.log")"
    exit 77
  fi
  export LOCPATH=$tmp/locales
  comma=de_DE.UTF-8
fi
# The shell's own printf follows LC_NUMERIC as libdime's does: proof the locale is live.
if [ "$(env LC_ALL=$comma printf '%.1f' 2.5 2>/dev/null)" != "2,5" ]; then
  echo "skipped: $comma does not write 2.5 with a comma here"
  exit 77
fi

fail=0
run() { # LOCALE DIR NAME ARGS...: a template into DIR/NAME, its figures into DIR/NAME.out
  local locale=$1 dir=$2 name=$3
  shift 3
  mkdir -p "$dir"
  LC_ALL=$locale "$calc" template "$@" -o "$dir/$name" >"$dir/$name.out" 2>&1 ||
    { echo "FAIL: $name under $locale: $(cat "$dir/$name.out")"; fail=1; }
}
check() { # NAME ARGS...
  local name=$1
  shift
  run C "$tmp/c" "$name" "$@"
  run "$comma" "$tmp/comma" "$name" "$@"
  for file in "$name" "$name.out"; do
    if ! cmp -s "$tmp/c/$file" "$tmp/comma/$file"; then
      echo "FAIL: $file differs under $comma, first at:"
      diff "$tmp/c/$file" "$tmp/comma/$file" | head -4
      fail=1
    fi
  done
}

check hub.dxf rib feet 0.4 4 --hub 2
check petal.dxf petal meters 0.4 1.2 12 --freq 2304
check rib.svg rib meters 0.4 1.2 --hub 50

for qt_case in "$@"; do
  LC_ALL=$comma QT_QPA_PLATFORM=offscreen "${qt_case%%:*}" "${qt_case##*:}" >"$tmp/qt.log" 2>&1 ||
    { echo "FAIL: ${qt_case##*/} under $comma:"; cat "$tmp/qt.log"; fail=1; }
done
[ $fail -eq 0 ] && echo "checked under $comma${LOCPATH:+ (built in a temporary LOCPATH)}:" \
  "DXF in inches and mm, SVG, figures; $# desktop cases"
exit $fail
