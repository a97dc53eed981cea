#!/usr/bin/env bash
# The end-to-end suite: drives the built Kavrin.scr under Wine.
#
#   tests/e2e/run-suite.sh BUILD_DIR [SCENARIO_FILTER]
#
# BUILD_DIR is a Windows build holding Kavrin.scr and tests/e2e/. The
# optional filter is an extended regular expression matched against the
# scenario names (e2e_driver list prints them), e.g. 'game/quake2$' or
# '^switch/'. Prints one PASS/FAIL line per scenario and ends with
# "e2e: N passed, M failed". Screenshots go to BUILD_DIR/e2e-artifacts/.
#
# Every run gets a fresh Wine prefix (BUILD_DIR/e2e-wineprefix) and its own
# Xvfb display; both are stopped on exit, whatever happens.
set -uo pipefail

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
  echo "usage: $0 BUILD_DIR [SCENARIO_FILTER]" >&2
  exit 2
fi
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd) || exit 2
filter=${2:-}
# A scenario that has not ended by then is hung, not slow.
scenario_limit=${KAVRIN_E2E_SCENARIO_TIMEOUT:-240}

saver=$build/Kavrin.scr
driver=$build/tests/e2e/e2e_driver.exe
game=$build/tests/e2e/stand_in_game.exe
for file in "$saver" "$driver" "$game"; do
  if [ ! -f "$file" ]; then
    echo "FAIL setup: $file is missing"
    echo "e2e: 0 passed, 1 failed"
    exit 1
  fi
done

# shellcheck source=../../scripts/wine-env.sh
source "$root/scripts/wine-env.sh"
prefix=$build/e2e-wineprefix
artifacts=$build/e2e-artifacts
logs=$build/e2e-logs
rm -rf "$prefix" "$artifacts" "$logs"
mkdir -p "$artifacts" "$logs"
trap kavrin_wine_stop EXIT
kavrin_wine_start "$prefix"

bin=$prefix/drive_c/e2e/bin
mkdir -p "$bin"
cp "$saver" "$driver" "$game" "$bin/"
driver_win='C:\e2e\bin\e2e_driver.exe'

# Output goes to files, not pipes: Wine's helper processes may inherit the
# handles and would keep a pipe open after the driver ended.
wine "$driver_win" list </dev/null >"$logs/list.txt" 2>"$logs/list.err"
mapfile -t names < <(tr -d '\r' <"$logs/list.txt" | grep -E -- "${filter:-.}")
if [ ${#names[@]} -eq 0 ]; then
  echo "FAIL setup: no scenario matches '${filter}'"
  echo "e2e: 0 passed, 1 failed"
  exit 1
fi

passed=0
failed=0
started=$SECONDS
for name in "${names[@]}"; do
  log=$logs/${name//\//_}.log
  timeout "$scenario_limit" wine "$driver_win" run "$name" </dev/null >"$log" 2>&1
  status=$?
  line=$(tr -d '\r' <"$log" | grep -E "^(PASS|FAIL) " | tail -n 1)
  if [ $status -eq 124 ]; then
    line="FAIL $name: no result after ${scenario_limit} s"
    # Whatever hung still runs in the prefix: start it afresh.
    kavrin_wine_stop
    kavrin_wine_start "$prefix"
  elif [ -z "$line" ]; then
    line="FAIL $name: the driver ended with $status and no result (see $log)"
  elif [ $status -ne 0 ] && [[ $line == PASS* ]]; then
    line="FAIL $name: the driver ended with $status"
  fi
  echo "$line"
  if [[ $line == PASS* ]]; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
done

for shot in "$prefix"/drive_c/e2e/artifacts/*.bmp; do
  [ -f "$shot" ] || continue
  convert "$shot" "$artifacts/$(basename "${shot%.bmp}").png" 2>/dev/null || cp "$shot" "$artifacts/"
done

echo "(e2e took $((SECONDS - started)) s for ${#names[@]} scenarios; logs in $logs)"
echo "e2e: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
