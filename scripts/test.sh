#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the core
# natively, the Windows build under Wine on a virtual display, the
# end-to-end suite, a fuzzing pass of fixed inputs, the size and import check, the
# check that it runs on Windows 95, NT 4.0 and a Pentium, then
# builds the release and installs it under Wine.
# Ends with one line: "tests: N passed, M failed".
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/setup.sh || { echo "tests: 0 passed, 1 failed"; exit 1; }

passed=0
failed=0
logdir=$root/build/test-logs
mkdir -p "$logdir"

# Adds the counts that a stage's last summary line reports.
count_stage() {
  local name=$1 log=$2 status=$3 line p f
  line=$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
  if [ -n "$line" ]; then
    f=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
    p=$(( $(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$line") - f ))
  else
    line=$(grep -E '^[a-z0-9-]+: [0-9]+ passed, [0-9]+ failed' "$log" | tail -n 1)
    p=$(sed -nE 's/^[^:]+: ([0-9]+) passed.*/\1/p' <<<"$line")
    f=$(sed -nE 's/.* ([0-9]+) failed.*/\1/p' <<<"$line")
  fi
  p=${p:-0}
  f=${f:-0}
  # A stage that failed without reporting a failure still counts as one.
  if [ "$status" -ne 0 ] && [ "$f" -eq 0 ]; then f=1; fi
  passed=$((passed + p))
  failed=$((failed + f))
  echo "== $name: $p passed, $f failed"
}

run_stage() {
  local name=$1
  shift
  echo "== $name"
  local log=$logdir/$name.log
  "$@" 2>&1 | tee "$log"
  count_stage "$name" "$log" "${PIPESTATUS[0]}"
}

run_stage build bash scripts/build.sh all
run_stage native ctest --test-dir build/native --output-on-failure --timeout 120

# The Windows tests share one prefix and display; the suites below make their own.
source scripts/wine-env.sh
kavrin_wine_start "$root/build/wineprefix-test"
trap kavrin_wine_stop EXIT
run_stage wine ctest --test-dir build/win32 --output-on-failure --timeout 300
kavrin_wine_stop

[ -x tests/e2e/run-suite.sh ] && run_stage e2e tests/e2e/run-suite.sh build/win32
[ -x tests/fuzz/run.sh ] && run_stage fuzz tests/fuzz/run.sh --fixed 100000
[ -x bench/check-size.sh ] && run_stage size bench/check-size.sh build/win32/Kavrin.scr
run_stage winver bench/check-winver.sh build/win32
# The release last: a setup that cannot be built or installed fails the run.
run_stage release tests/release/release-check.sh

echo "tests: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
