#!/usr/bin/env bash
# Runs dishwright-calc with the arguments of one case folder and compares its
# standard output, standard error and exit status with the folder's files.
# args: one argument a line (an empty line is an empty argument); stdin, when
# present, is fed to the program's standard input.
set -u
program=$1 case=$2
mapfile -t args < "$case/args"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
input=/dev/null
[ -f "$case/stdin" ] && input=$case/stdin
"$program" "${args[@]}" <"$input" >"$tmp/stdout" 2>"$tmp/stderr"
status=$?
fail=0
expected_status=$(cat "$case/status")
if [ "$status" != "$expected_status" ]; then
  echo "exit status $status, expected $expected_status"
  fail=1
fi
for stream in stdout stderr; do
  expected="$case/$stream"
  [ -f "$expected" ] || expected=/dev/null
  if ! diff -u "$expected" "$tmp/$stream"; then
    echo "$stream differs"
    fail=1
  fi
done
exit $fail
