#!/usr/bin/env bash
# Runs one drive script against the mask its folder names, on a new desk home, and compares
# what the container prints (and its exit status) with the expected output beside the script.
#   tests/e2e/MASK/NAME.drive       the script
#   tests/e2e/MASK/NAME.then.drive  optional: run next by a second process on the same home
#   tests/e2e/MASK/NAME.expected    the expected output; "<home>" stands for the home folder,
#                                   and each run ends with a line "exit N"
set -uo pipefail
quillet=$1
script=$2
mask=$(basename "$(dirname "$script")")
expected=${script%.drive}.expected
next=${script%.drive}.then.drive

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

run() {
  "$quillet" drive "$mask" --home "$home" --script "$1"
  echo "exit $?"
}

actual=$( { run "$script"; [ -f "$next" ] && run "$next"; } | sed "s|$home|<home>|g")
if ! diff -u "$expected" <(printf '%s\n' "$actual"); then
  echo "FAILED: $script"
  exit 1
fi
