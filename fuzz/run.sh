#!/usr/bin/env bash
# Runs the fuzz targets named (default: every one with a seed corpus) for FUZZ_SECONDS seconds
# each (default 30), on a copy of the seed corpus in build/fuzz/corpus so that the repository's
# corpus is never written to. A crashing input stays in build/fuzz/artifacts; the exit status
# is 1 when any target failed.
set -uo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-30}
build=build/fuzz
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for dir in fuzz/corpus/*/; do targets+=("$(basename "$dir")"); done
fi
mkdir -p "$build/artifacts" "$build/logs"

failed=()
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  log="$build/logs/$target.log"
  mkdir -p "$corpus"
  cp fuzz/corpus/"$target"/* "$corpus"/
  if "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=25 -print_final_stats=1 \
       -artifact_prefix="$build/artifacts/$target-" "$corpus" >"$log" 2>&1; then
    echo "fuzz_$target: $(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$') inputs in ${seconds} s, no fault"
  else
    failed+=("$target")
    tail -n 60 "$log"
    echo "fuzz_$target: FAULT (whole log: $log, input: $build/artifacts/$target-*)"
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzzing found faults in: ${failed[*]}"
  exit 1
fi
