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

# Scenarios of an account that may not create files in c:\ run as an
# unprivileged user in a prefix of its own (root ignores permissions).
mapfile -t user_names < <(printf '%s\n' "${names[@]}" | grep -E '^read-only-root/')
mapfile -t names < <(printf '%s\n' "${names[@]}" | grep -vE '^read-only-root/')

passed=0
failed=0
started=$SECONDS

# Prints and counts the verdict of a driver run that ended with $2.
record() {
  local name=$1 status=$2 log=$3 line
  line=$(tr -d '\r' <"$log" | grep -E "^(PASS|FAIL) " | tail -n 1)
  if [ "$status" -eq 124 ]; then
    line="FAIL $name: no result after ${scenario_limit} s"
  elif [ -z "$line" ]; then
    line="FAIL $name: the driver ended with $status and no result (see $log)"
  elif [ "$status" -ne 0 ] && [[ $line == PASS* ]]; then
    line="FAIL $name: the driver ended with $status"
  fi
  echo "$line"
  if [[ $line == PASS* ]]; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
}

for name in "${names[@]}"; do
  [ -n "$name" ] || continue
  log=$logs/${name//\//_}.log
  # Wine writes the relay traces that scenarios read into the driver's log,
  # which Wine's drive Z: shows as the Unix root.
  KAVRIN_E2E_LOG="Z:${log//\//\\}" timeout "$scenario_limit" wine "$driver_win" run "$name" </dev/null >"$log" 2>&1
  status=$?
  record "$name" $status "$log"
  if [ $status -eq 124 ]; then
    # Whatever hung still runs in the prefix: start it afresh.
    kavrin_wine_stop
    kavrin_wine_start "$prefix"
  fi
done

if [ -n "${user_names[0]:-}" ]; then
  if [ "$(id -u)" -eq 0 ]; then
    user=kavrin-e2e
    id "$user" >/dev/null 2>&1 || useradd -m "$user"
    user_home=$(getent passwd "$user" | cut -d: -f6)
    as_user=(runuser -u "$user" --)
  else
    user_home=$build/e2e-user-home
    mkdir -p "$user_home"
    as_user=()
  fi
  user_prefix=$user_home/e2e-wineprefix
  user_drive=$user_prefix/drive_c
  user_wine=("${as_user[@]}" env HOME="$user_home" WINEPREFIX="$user_prefix" WINEARCH=win32 WINEDEBUG=-all
             WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY="$DISPLAY")
  start_user_wine() {
    "${user_wine[@]}" wineserver -p </dev/null >/dev/null 2>&1
    "${user_wine[@]}" wine cmd /c exit </dev/null >/dev/null 2>&1
  }
  [ -d "$user_drive" ] && chmod 755 "$user_drive"
  rm -rf "$user_prefix"
  cp "$root/scripts/wine-env.sh" "$user_home/kavrin-wine-env.sh"
  "${user_wine[@]}" bash -c 'source "$HOME/kavrin-wine-env.sh" && kavrin_wine_prefix_init "$WINEPREFIX"'
  # What the scenarios need below c:\ exists before c:\ is made read-only.
  "${user_wine[@]}" mkdir -p "$user_drive/e2e/bin" "$user_drive/demos" "$user_drive/my demos"
  cp "$saver" "$driver" "$game" "$user_drive/e2e/bin/"
  start_user_wine
  # The folders a scenario's preparation lists in c:\e2e\read-only.txt
  # (C:\games\quake2\baseq2, say) are made read-only with c:\, and
  # writable again after it.
  read_only_folders() {
    [ -f "$user_drive/e2e/read-only.txt" ] || return 0
    tr -d '\r' <"$user_drive/e2e/read-only.txt" | sed -E 's/^[Cc]:\\//; s/\\/\//g' |
      while read -r folder; do [ -n "$folder" ] && chmod "$1" "$user_drive/$folder"; done
  }
  for name in "${user_names[@]}"; do
    log=$logs/${name//\//_}.log
    chmod 755 "$user_drive"
    read_only_folders 755
    rm -f "$user_drive/e2e/read-only.txt"
    timeout "$scenario_limit" "${user_wine[@]}" wine "$driver_win" prepare "$name" </dev/null >"$log" 2>&1
    read_only_folders 555
    chmod 555 "$user_drive"
    timeout "$scenario_limit" "${user_wine[@]}" wine "$driver_win" run "$name" </dev/null >>"$log" 2>&1
    status=$?
    record "$name" $status "$log"
    if [ $status -eq 124 ]; then
      "${user_wine[@]}" wineserver -k >/dev/null 2>&1
      start_user_wine
    fi
  done
  chmod 755 "$user_drive"
  read_only_folders 755
  "${user_wine[@]}" wineserver -k >/dev/null 2>&1
fi

for shot in "$prefix"/drive_c/e2e/artifacts/*.bmp; do
  [ -f "$shot" ] || continue
  convert "$shot" "$artifacts/$(basename "${shot%.bmp}").png" 2>/dev/null || cp "$shot" "$artifacts/"
done

echo "(e2e took $((SECONDS - started)) s for $((passed + failed)) scenarios; logs in $logs)"
echo "e2e: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
