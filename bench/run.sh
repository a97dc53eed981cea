#!/usr/bin/env bash
# Start-up cost, footprint and size of Kavrin.scr, run on demand (not a test).
#   bench/run.sh [RUNS]        RUNS alternating pairs per comparison, default 30
#   KAVRIN_SCR=FILE bench/run.sh   measures FILE instead of the fresh build
# Builds what it needs, runs the core benchmarks natively, then under Wine
# compares, alternating the two commands of each pair:
#   Kavrin.scr /s        with the minimal launcher (same launch file, same game)
#   Kavrin.scr /p 1234   with an empty Windows program
#   Kavrin.scr /c        with 100 demos listed and with none
# and ends with the size and import check. Nothing is left running.
set -euo pipefail
export LC_ALL=C
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
runs=${1:-30}

native=$root/build/bench-native
win32=$root/build/bench-win32
saver_file=${KAVRIN_SCR:-$win32/Kavrin.scr}

build() {
  bash scripts/setup.sh
  cmake -S . -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKAVRIN_BENCH=ON -DKAVRIN_TESTS=OFF >/dev/null
  cmake --build "$native" -j2 --target kavrin_core_bench >/dev/null
  cmake -S . -B "$win32" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKAVRIN_BENCH=ON -DKAVRIN_TESTS=OFF \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
  cmake --build "$win32" -j2 >/dev/null
}

machine() {
  echo "machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)," \
    "$(wine --version), load average $(cut -d' ' -f1-3 /proc/loadavg)"
}

# The middle value of the numbers on stdin (the mean of the two middle ones
# for an even count).
median() {
  sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }

verdict() { awk -v r="$1" -v t="$2" 'BEGIN { print (r <= t) ? "within target" : "OVER TARGET" }'; }

# Copies the programs into the prefix and writes the launch file that run
# mode reads: the stand-in game as quake2.exe, as the dialog would save it.
stage_programs() {
  drive=$WINEPREFIX/drive_c
  # The demo folder exists, and the dialog's 100 demos are not in it.
  mkdir -p "$drive/bench/game/baseq2/demos"
  cp "$saver_file" "$drive/bench/Kavrin.scr"
  cp "$win32/bench/win/baseline_launcher.exe" "$win32/bench/win/empty_program.exe" \
    "$win32/bench/win/dialog_timer.exe" "$win32/bench/win/mend_timer.exe" "$drive/bench/"
  cp "$win32/bench/win/bench_game.exe" "$drive/bench/game/quake2.exe"
  printf 'C:\\bench\\game\\\r\nquake2.exe\r\n+exec Scrnsave.cfg ' >"$drive/q2scr.sc2"
  game_log=$drive/bench/game/started.log
  rm -f "$game_log"
  game_starts=0
}

# Runs one program under Wine and appends "WALL_MS PEAK_KIB" to $1. Wall
# time is measured around the wine process; peak memory is that process's
# maximum resident set (GNU time %M), Wine's own libraries included.
measure() {
  local out=$1
  shift
  local before after
  before=$EPOCHREALTIME
  if ! /usr/bin/time -f %M -o "$work/peak" wine "$@" </dev/null >/dev/null 2>&1; then
    echo "bench: wine $* failed" >&2
    exit 1
  fi
  after=$EPOCHREALTIME
  echo "$(( (${after/./} - ${before/./}) )) $(tail -n 1 "$work/peak")" |
    awk '{ printf "%.3f %d\n", $1 / 1000, $2 }' >>"$out"
}

# Waits until the stand-in game has been started once more, so a game still
# starting never overlaps the next measurement.
await_game_start() {
  game_starts=$((game_starts + 1))
  local i
  for i in $(seq 1000); do
    [ -f "$game_log" ] && [ "$(grep -c started "$game_log")" -ge "$game_starts" ] && return 0
    sleep 0.01
  done
  echo "bench: the game was not started (start $game_starts)" >&2
  exit 1
}

# Prints one side of a comparison: median wall time and peak memory.
summarise() {
  local label=$1 file=$2
  printf '  %-28s median %8.1f ms   peak %7d KiB\n' "$label" \
    "$(cut -d' ' -f1 "$file" | median)" "$(cut -d' ' -f2 "$file" | median)"
}

# Prints the ratios of two measured sides against a time target.
compare() {
  local ours=$1 base=$2 target=$3 t m
  t=$(ratio "$(cut -d' ' -f1 "$ours" | median)" "$(cut -d' ' -f1 "$base" | median)")
  m=$(ratio "$(cut -d' ' -f2 "$ours" | median)" "$(cut -d' ' -f2 "$base" | median)")
  echo "  ratio: time $t (target <= $target, $(verdict "$t" "$target")), peak memory $m"
}

bench_run_mode() {
  local scr=$work/run-scr base=$work/run-base
  # One unmeasured start of each, so both meet a warm file cache.
  measure /dev/null 'C:\bench\Kavrin.scr' /s
  await_game_start
  measure /dev/null 'C:\bench\baseline_launcher.exe'
  await_game_start
  : >"$scr"
  : >"$base"
  local i
  for i in $(seq "$runs"); do
    measure "$scr" 'C:\bench\Kavrin.scr' /s
    await_game_start
    measure "$base" 'C:\bench\baseline_launcher.exe'
    await_game_start
  done
  echo "run mode, $runs runs each, alternating (wall time of the wine process, game start awaited after):"
  summarise "Kavrin.scr /s" "$scr"
  summarise "minimal launcher" "$base"
  compare "$scr" "$base" 1.05
}

bench_preview() {
  local scr=$work/preview-scr base=$work/preview-base
  measure /dev/null 'C:\bench\Kavrin.scr' /p 1234
  measure /dev/null 'C:\bench\empty_program.exe'
  : >"$scr"
  : >"$base"
  local i
  for i in $(seq "$runs"); do
    measure "$scr" 'C:\bench\Kavrin.scr' /p 1234
    measure "$base" 'C:\bench\empty_program.exe'
  done
  echo "preview, $runs runs each, alternating:"
  summarise "Kavrin.scr /p 1234" "$scr"
  summarise "empty program" "$base"
  compare "$scr" "$base" 1.05
}

bench_dialog() {
  local times=$work/dialog full empty t
  wine 'C:\bench\dialog_timer.exe' 'C:\bench\Kavrin.scr' "$((runs + 1))" 100 </dev/null >"$work/dialog-raw" 2>"$work/dialog-err" || {
    cat "$work/dialog-err" >&2
    exit 1
  }
  # A Windows console program ends its lines with CR LF.
  tr -d '\r' <"$work/dialog-raw" >"$times"
  # The first pair warms the cache and is left out.
  full=$(awk '$1 == "full" { n++; if (n > 1) print $2 }' "$times" | median)
  empty=$(awk '$1 == "empty" { n++; if (n > 1) print $2 }' "$times" | median)
  retype=$(awk '$1 == "retype" { n++; if (n > 1) print $2 }' "$times" | median)
  t=$(ratio "$full" "$empty")
  r=$(ratio "$retype" "$empty")
  echo "configuration dialog, $runs runs each, alternating (process start to list shown, timed inside Wine):"
  printf '  %-28s median %8.1f ms\n' "100 demos listed" "$full" "empty demo list" "$empty" \
    "retyping, 100 demos missed" "$retype"
  echo "  ratio: time $t (target <= 1.1, $(verdict "$t" 1.1))"
  echo "  retyping against the empty dialog's start: $r (target <= 0.1, $(verdict "$r" 0.1))"
}

# One click of the mend button copying 100 demos of 1 MB against
# CopyFileA copying the same files, and against CopyFileA with a rename
# after each copy, alternating.
bench_mend() {
  local times=$work/mend click copy renamed t
  # 300 MB written a run: at most 6 runs besides the first.
  local mend_runs=$((runs < 6 ? runs : 6))
  wine 'C:\bench\mend_timer.exe' 'C:\bench\Kavrin.scr' "$((mend_runs + 1))" </dev/null >"$work/mend-raw" 2>"$work/mend-err" || {
    cat "$work/mend-err" >&2
    exit 1
  }
  tr -d '\r' <"$work/mend-raw" >"$times"
  # The first pair warms the cache and is left out.
  copy=$(awk '$1 == "copyfile" { n++; if (n > 1) print $2 }' "$times" | median)
  renamed=$(awk '$1 == "copyrename" { n++; if (n > 1) print $2 }' "$times" | median)
  click=$(awk '$1 == "click" { n++; if (n > 1) print $2 }' "$times" | median)
  # Each of the click's copies goes to a temporary name and is renamed over
  # the demo's, so the copy with its rename is what the click is held to.
  t=$(ratio "$click" "$renamed")
  echo "mend button, $mend_runs runs each, alternating (100 demos of 1 MB, timed inside Wine):"
  printf '  %-28s median %8.1f ms\n' "one click of the button" "$click" "CopyFileA, file by file" "$copy" \
    "CopyFileA, then MoveFileExA" "$renamed"
  echo "  ratio: time $t against the copy and rename (target <= 1.1, $(verdict "$t" 1.1))"
  echo "  click against CopyFileA: $(ratio "$click" "$copy"); copy and rename against CopyFileA: $(ratio "$renamed" "$copy")"
}

build
machine
echo
echo "== core benchmarks (native)"
"$native/bench/kavrin_core_bench" --benchmark_min_time=0.2

work=$(mktemp -d)
source scripts/wine-env.sh
cleanup() {
  kavrin_wine_stop
  rm -rf "$work"
}
trap cleanup EXIT
kavrin_wine_start "$root/build/wineprefix-bench"
stage_programs

echo
echo "== start-up under Wine"
bench_run_mode
bench_preview
bench_dialog
bench_mend

echo
echo "== size and imports"
bench/check-size.sh "$saver_file"
