#!/usr/bin/env bash
# dishwright-calc against hostile and extreme input, one row a case: the shell
# redirections and targets a careless script gives it. Every case must end in its
# error, with its status, print nothing on standard output, and leave the old file
# as it was. Rows that need a small full disk run as root only (a tmpfs).
set -u
calc=$(realpath "$1")
work=$(mktemp -d)
full=$work/full
cleanup() {
  mountpoint -q "$full" && umount "$full"
  rm -rf "$work"
}
trap cleanup EXIT
cd "$work"
mkfifo fifo
ln -s /dev/full device # a device by a link: a regression replaces the link, not /dev/full
echo old >old.pdf
mkdir folder
if [ "$(id -u)" -eq 0 ] && mkdir "$full" && mount -t tmpfs -o size=24k tmpfs "$full"; then
  echo old >"$full/rib.pdf"
  echo old >"$full/rib.svg"
else
  full=
fi

export calc full
fails=0
# name @ command (run by bash in the work folder) @ status @ start of standard error
while IFS='@' read -r name command status error; do
  [ -z "$name" ] && continue
  if [[ $command == *'$full'* && -z $full ]]; then # never a file at the root
    echo "skip $name: needs root for a small full disk"
    continue
  fi
  got_err=$(timeout 10 bash -c "$command" 2>&1 >"$work/out")
  got_status=$?
  got_out=$(cat "$work/out" 2>/dev/null)
  problem=
  [ "$got_status" = "$status" ] || problem="status $got_status, not $status"
  [[ $got_err == "$error"* ]] || problem="$problem; stderr: $got_err"
  [[ $command == *'>&-'* || $command == *'/dev/full'* || -z $got_out ]] ||
    problem="$problem; stdout not empty"
  if [ -n "$problem" ]; then
    echo "FAIL $name: ${problem#; }"
    fails=$((fails + 1))
  else
    echo "ok   $name"
  fi
done <<'ROWS'
closed standard output@"$calc" print meters 0.4 100 >&-@1@error: cannot write the output: standard output is closed
full standard output@"$calc" print meters 0.4 100 >/dev/full@1@error: cannot write the output: No space left on device
closed standard input@"$calc" measure fit mm <&-@1@error: cannot read standard input: it is closed
folder as standard input@"$calc" measure fit mm <folder@1@error: cannot read standard input: it is a folder
endless zeros@"$calc" measure fit mm </dev/zero@1@error: line 1: holds a NUL byte
endless valid levels@awk 'BEGIN { for (i = 0; ; i++) printf "%.6f -1\n", i * 1e-6 }' | "$calc" feed 0.4 pattern -@1@error: the pattern has more than 100000 lines
pattern from a FIFO@"$calc" feed 0.4 pattern fifo@1@error: cannot read fifo: it is a pipe, not a regular file
byte-order mark@printf '\xEF\xBB\xBF0 1\n150 12.5\n' | "$calc" measure fit mm@1@error: a fit needs at least 3 points
decimal commas@printf '150,5 12,3\n' | "$calc" measure fit mm@1@error: line 1: expected two numbers, radius and depth, not "150,5 12,3"; a point is the decimal mark
error after figures@printf '0 1\n150 12.5\n300 47.8\n' | "$calc" measure fit mm 0@1@error: the frequency must be greater than 0
can at 0 MHz@"$calc" can-check mm 90 0@1@error: the frequency must be greater than 0
huge can@"$calc" can-check in 1e308 2400@1@error: the diameter 1e+308 is too large to compute with
tiny can@"$calc" can-check in 1e-308 2400@1@error: the diameter 1e-308 is too small to compute with
loss beyond range@printf '0 0\n100 2.6\n200 10\n300 22.5\n' | "$calc" measure fit mm 1e308@1@error: the frequency 1e+308 MHz is too high
number beyond doubles@"$calc" measure prime mm 1e309 10@1@error: the diameter "1e309" is too large for a number
radii beyond doubles@printf '1e200 1\n2e200 2\n3e200 3\n' | "$calc" measure fit mm@1@error: the radii are too large to compute with
too many gores@"$calc" template petal feet 0.4 4 1e9 -o g.pdf@1@error: 1e9 gores are more than a template can hold
onto a FIFO@"$calc" template rib meters 0.4 1 --svg -o fifo@1@error: fifo is not a regular file
onto a device@"$calc" template rib meters 0.4 1 --dxf -o device@1@error: device is not a regular file
onto a folder@"$calc" template rib meters 0.4 1 -o folder@1@error: folder is not a regular file
to standard output@"$calc" template rib meters 0.4 1 -o -@1@error: -o - would put a template among the figures
summary to a full standard output@"$calc" template rib meters 0.4 1 -o old.pdf >/dev/full@1@error: cannot write the output: No space left on device
option as file name@"$calc" template rib meters 0.4 1 -o --svg@2@dishwright-calc: -o needs FILE, not "--svg"
PDF onto a full disk@"$calc" template rib meters 0.4 1 -o '$full/rib.pdf'@1@error: cannot write
SVG onto a full disk@"$calc" template rib meters 0.4 1 --svg -o '$full/rib.svg'@1@error: cannot write
ROWS

# Nothing replaced: the FIFO is still one, the old files hold their old text.
[ -p fifo ] || { echo "FAIL the FIFO was replaced"; fails=$((fails + 1)); }
[ -L device ] || { echo "FAIL the link to a device was replaced"; fails=$((fails + 1)); }
for old in old.pdf ${full:+"$full/rib.pdf" "$full/rib.svg"}; do
  [ "$(cat "$old")" = old ] || { echo "FAIL $old changed"; fails=$((fails + 1)); }
done
[ -z "$full" ] || [ "$(ls "$full" | wc -l)" -eq 2 ] ||
  { echo "FAIL a temporary file was left on the full disk"; fails=$((fails + 1)); }
[ -z "$(find "$work" -name '.*.??????')" ] ||
  { echo "FAIL a temporary file was left"; fails=$((fails + 1)); }
exit $((fails > 0))
