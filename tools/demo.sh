#!/usr/bin/env bash
# Shows the masks at work: each demonstration script drives one mask through the scripted
# container on the user's desk home and prints what the mask does.
set -euo pipefail
quillet=${1:-build/bin/quillet}
demos="$(dirname "$0")/../desk/demo"
for script in "$demos"/*.drive; do
  mask=$(basename "$script" .drive)
  echo "== $mask"
  sed -n 's/^# //p' "$script" | head -1
  "$quillet" drive "$mask" --script "$script"
  echo
done
