#!/usr/bin/env bash
# How dishwright-calc puts a file in place of one that is there: through a link
# only where the kernel's fs.protected_symlinks would follow it, the old file's
# mode and owner kept, a read-only file and a file of several names refused in
# words, names kept byte for byte. Cases that need another user, chown or a shared
# folder (sticky, writable by all) run as root and are skipped otherwise.
set -u
calc=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work" # another user reaches its own folder in here
cd "$work"
fails=0
case=

fail() {
  echo "FAIL $case: $*"
  fails=$((fails + 1))
}
as_root() {
  [ "$(id -u)" -eq 0 ] && return 0
  echo "skip $case: needs root to make another user's files and a shared folder"
  return 1
}
# A rib template (DXF: one sheet, quick) to $1, run as the user of `$as`.
write() {
  err=$($as "$calc" template rib meters 0.4 1 --dxf -o "$1" 2>&1 >/dev/null)
  status=$?
}
as=
written() { grep -q SECTION "$1" || fail "$1 was not written"; }
kept() { [ "$(cat "$1")" = old ] || fail "$1 changed"; }
refused() {
  [ "$status" = 1 ] || fail "status $status, not 1"
  [[ $err == *"$1"* ]] || fail "stderr: $err"
}
mode_of() { stat -c '%U:%G %a' "$1"; }

case="a link in the user's folder is written through to its target"
mkdir own && echo old >own/target.dxf && ln -s target.dxf own/link.dxf
write own/link.dxf
[ "$status" = 0 ] || fail "status $status: $err"
[ -L own/link.dxf ] || fail "the link was replaced by a file"
written own/target.dxf

case="the old file's mode is kept"
echo old >own/mode.dxf && chmod 0604 own/mode.dxf
write own/mode.dxf
written own/mode.dxf
[ "$(stat -c %a own/mode.dxf)" = 604 ] || fail "mode $(stat -c %a own/mode.dxf), not 604"

case="a read-only file is refused by its name"
echo old >ro.dxf && chmod 0444 ro.dxf
write ro.dxf
refused "error: cannot write ro.dxf: the file is read-only (mode 0444)"
kept ro.dxf
[ "$(stat -c %a ro.dxf)" = 444 ] || fail "mode $(stat -c %a ro.dxf)"

case="a file of two names is refused, not parted"
echo old >one.dxf && ln one.dxf two.dxf
write two.dxf
refused "error: cannot write two.dxf: the file has 2 names (hard links)"
kept one.dxf
kept two.dxf
[ "$(stat -c %h one.dxf)" = 2 ] || fail "the names were parted"

case="names that are not UTF-8 are kept byte for byte"
write $'two\xff.dxf'
write $'two\xfe.dxf'
[ -f $'two\xff.dxf' ] && [ -f $'two\xfe.dxf' ] || fail "files: $(ls | od -c | head -3)"
[ ! -e $'two\xef\xbf\xbd.dxf' ] || fail "a name was changed to U+FFFD"
write $'dish\xf0\x9f\x93\xa1\xe1.dxf' # U+1F4E1 is D83D DCE1 in UTF-16; then the byte 0xe1
[ -f $'dish\xf0\x9f\x93\xa1\xe1.dxf' ] || fail "files: $(ls dish* | od -c | head -2)"
write $'absent/\e]0;x\a\xff.dxf'
refused 'error: cannot write absent/\033]0;x\007\xff.dxf: no such file or directory'

if case="a link another user planted in a shared folder is not followed" && as_root; then
  mkdir shared && chmod 1777 shared && echo old >victim
  ln -s ../victim shared/rib.dxf && chown -h nobody shared/rib.dxf
  write shared/rib.dxf
  refused "error: cannot write shared/rib.dxf: it leads through a link owned by another user"
  kept victim
  [ -L shared/rib.dxf ] || fail "the link was replaced"
fi

if case="a link owned by the shared folder's owner is followed" && as_root; then
  mkdir theirs && chmod 1777 theirs && chown nobody theirs && echo old >target
  ln -s ../target theirs/rib.dxf && chown -h nobody theirs/rib.dxf
  write theirs/rib.dxf
  [ "$status" = 0 ] || fail "status $status: $err"
  written target
fi

if case="a user's own link in a shared folder is followed" && as_root; then
  mkdir mine && echo old >mine/target && chown -R nobody:nogroup mine
  ln -s ../mine/target shared/own.dxf && chown -h nobody shared/own.dxf
  as="setpriv --reuid=nobody --regid=nogroup --clear-groups"
  write shared/own.dxf
  as=
  [ "$status" = 0 ] || fail "status $status: $err"
  written mine/target
fi

if case="another user's file in a shared folder is left alone" && as_root; then
  echo old >shared/other.dxf && chown nobody shared/other.dxf
  write shared/other.dxf
  refused "error: cannot write shared/other.dxf: the file belongs to another user"
  kept shared/other.dxf
fi

if case="another user's file keeps its owner, group and mode" && as_root; then
  echo old >user.dxf && chown nobody:nogroup user.dxf && chmod 0640 user.dxf
  write user.dxf
  written user.dxf
  [ "$(mode_of user.dxf)" = "nobody:nogroup 640" ] || fail "$(mode_of user.dxf)"
fi

if case="a set-user-ID file keeps its mode" && as_root; then
  echo old >suid.dxf && chmod 4755 suid.dxf
  write suid.dxf
  written suid.dxf
  [ "$(mode_of suid.dxf)" = "root:root 4755" ] || fail "$(mode_of suid.dxf)"
fi

if case="a user's own read-only file is refused as read-only, not for its folder" && as_root; then
  mkdir home && echo old >home/ro.dxf && chmod 0444 home/ro.dxf && echo old >home/suid.dxf
  chown -R nobody:nogroup home
  chmod 4755 home/suid.dxf
  as="setpriv --reuid=nobody --regid=nogroup --clear-groups"
  write home/ro.dxf
  refused "error: cannot write home/ro.dxf: the file is read-only (mode 0444)"
  kept home/ro.dxf
  case="a user's own set-user-ID file keeps its mode"
  write home/suid.dxf
  as=
  written home/suid.dxf
  [ "$(mode_of home/suid.dxf)" = "nobody:nogroup 4755" ] || fail "$(mode_of home/suid.dxf)"
fi

# Nothing left behind: no temporary file beside any target.
left=$(find . -name '.*.??????')
[ -z "$left" ] || { case="temporary files" && fail "left: $left"; }
exit $((fails > 0))
