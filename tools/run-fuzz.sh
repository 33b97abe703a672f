#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a bounded time, starting from its seeds in
# tests/fuzz/corpus/<target>/. New inputs found go to BUILD/corpus/<target>/, crashes to
# BUILD/artifacts/<target>/. Fails when any target finds a fault.
#   tools/run-fuzz.sh BUILD SECONDS_PER_TARGET [TARGET...]
set -uo pipefail
build=${1:?build folder}
seconds=${2:?seconds per target}
shift 2
source_dir="$(cd "$(dirname "$0")/.." && pwd)"
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for binary in "$build"/bin/fuzz_*; do targets+=("$(basename "$binary" | sed 's/^fuzz_//')"); done
fi
failed=()
for target in "${targets[@]}"; do
  binary="$build/bin/fuzz_$target"
  seeds="$source_dir/tests/fuzz/corpus/$target"
  work="$build/corpus/$target"
  artifacts="$build/artifacts/$target/"
  mkdir -p "$work" "$artifacts"
  echo "== fuzz $target for ${seconds}s"
  # One job, a bounded input size and memory: the machine is shared, and the parsers' inputs
  # are files of at most a few hundred kilobytes.
  if ! "$binary" -max_total_time="$seconds" -timeout=25 -rss_limit_mb=2048 -max_len=65536 \
      -print_final_stats=1 -artifact_prefix="$artifacts" "$work" "$seeds" \
      > "$build/fuzz-$target.log" 2>&1; then
    failed+=("$target")
    tail -40 "$build/fuzz-$target.log"
  else
    grep -E "stat::number_of_executed_units|cov:" "$build/fuzz-$target.log" | tail -2
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz targets that found a fault: ${failed[*]} (inputs in $build/artifacts/)"
  exit 1
fi
