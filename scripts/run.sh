#!/usr/bin/env bash
# Builds Kavrin.scr if needed and opens it under Wine; arguments go to the
# program (default "/c", the configuration dialog). The Wine prefix is
# build/wineprefix-run, so its c:\ holds the settings files Kavrin writes.
# Without a display it runs on a virtual one and saves a screenshot.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/setup.sh
[ -f build/win32/Kavrin.scr ] || bash scripts/build.sh win32 >/dev/null

args=("$@")
[ ${#args[@]} -eq 0 ] && args=(/c)

source scripts/wine-env.sh
if [ -n "${DISPLAY:-}" ]; then
  export WINEARCH=win32 WINEPREFIX=$root/build/wineprefix-run WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all
  kavrin_wine_prefix_init "$WINEPREFIX"
  wine build/win32/Kavrin.scr "${args[@]}"
else
  kavrin_wine_start "$root/build/wineprefix-run"
  trap kavrin_wine_stop EXIT
  echo "No display: Kavrin runs on the virtual display $DISPLAY; a screenshot goes to build/run-screenshot.png."
  wine build/win32/Kavrin.scr "${args[@]}" &
  sleep 4
  import -window root build/run-screenshot.png || true
  wait
fi
