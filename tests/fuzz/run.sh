#!/usr/bin/env bash
# Builds the fuzz targets and runs each on its seed corpus.
#   tests/fuzz/run.sh SECONDS_PER_TARGET [BUILD_DIR [TARGET...]]
#     random inputs for that long, building on what earlier runs found
#   tests/fuzz/run.sh --fixed RUNS [BUILD_DIR [TARGET...]]
#     the same RUNS inputs every time (seed 1, the committed seeds only), so
#     a commit passes or fails alike on every run; scripts/test.sh uses it
# BUILD_DIR defaults to build/fuzz; with no TARGET every target runs.
# Prints one line per target and "fuzz: N passed, M failed"; exits non-zero
# when a target found a crash, a hang or a broken property. Findings are
# kept as BUILD_DIR/fuzz-artifacts/TARGET/crash-* (replay: TARGET FILE).
set -uo pipefail

fixed=0
if [ "${1:-}" = --fixed ]; then
  fixed=1
  shift
fi
if [ $# -lt 1 ] || ! [[ $1 =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: $0 [--fixed RUNS | SECONDS_PER_TARGET] [BUILD_DIR [TARGET...]]" >&2
  exit 2
fi
amount=$1
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${2:-$root/build/fuzz}
shift $(($# < 2 ? $# : 2))
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(switch_parser_fuzz launch_command_fuzz launch_fields_fuzz demo_list_fuzz split_disk_lines_fuzz
    pak_directory_fuzz mend_plan_fuzz)
fi

if [ ! -f "$build/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DKAVRIN_FUZZ=ON -DKAVRIN_TESTS=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null || exit 2
fi
cmake --build "$build" -j2 --target "${targets[@]}" >/dev/null || { echo "fuzz: build failed" >&2; exit 2; }

passed=0
failed=0
for target in "${targets[@]}"; do
  corpus=$build/fuzz-corpus/$target
  artifacts=$build/fuzz-artifacts/$target
  log=$build/fuzz-logs/$target.log
  if [ $fixed -eq 1 ]; then
    # Nothing an earlier run found may change which inputs this one tries.
    rm -rf "$corpus"
    limit=(-seed=1 -runs="$amount")
  else
    limit=(-max_total_time="$amount")
  fi
  mkdir -p "$corpus" "$artifacts" "$(dirname "$log")"
  # New inputs go to the build tree; the committed seeds are only read.
  "$build/tests/fuzz/$target" "${limit[@]}" -timeout=10 -max_len=8192 \
    -print_final_stats=1 -artifact_prefix="$artifacts/" "$corpus" "$here/corpus/$target" \
    >"$log" 2>&1
  status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  if [ $status -eq 0 ]; then
    passed=$((passed + 1))
    echo "$target: ok, ${runs:-?} inputs"
  else
    failed=$((failed + 1))
    finding=$(ls -t "$artifacts" 2>/dev/null | head -n 1)
    echo "$target: FAILED (exit $status) after ${runs:-?} inputs: $artifacts/${finding:-?}, log $log"
  fi
done

echo "fuzz: $passed passed, $failed failed"
[ $failed -eq 0 ]
