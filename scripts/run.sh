#!/usr/bin/env bash
# Builds what changed (the build is incremental) and opens Kavrin.scr under
# Wine; arguments go to the program (default "/c", the configuration
# dialog). The Wine prefix is build/wineprefix-run, so its c:\ holds the
# settings files Kavrin writes.
# Without a display it runs on a virtual one, saves a screenshot, closes the
# window and ends with 0.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/setup.sh
bash scripts/build.sh win32 >/dev/null

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
  shot=$root/build/run-screenshot.png
  echo "No display: Kavrin runs on the virtual display $DISPLAY."
  wine build/win32/Kavrin.scr "${args[@]}" </dev/null &
  saver=$!
  # Its first visible window, or none if the program ends before showing one.
  window=
  for _ in $(seq 60); do
    window=$(xdotool search --onlyvisible --classname '^kavrin\.scr$' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] || ! kill -0 "$saver" 2>/dev/null && break
    sleep 0.5
  done
  sleep 1 # let it finish drawing
  import -window root "$shot"
  echo "Screenshot: $shot"
  if [ -z "$window" ]; then
    wait "$saver"
    exit
  fi
  # Escape is Cancel: nothing is saved. What still runs then ends with the prefix.
  xdotool windowfocus --sync "$window" key Escape 2>/dev/null
  if timeout 20 tail --pid="$saver" -f /dev/null; then
    echo "Closed it again."
  else
    echo "It did not close on Escape; stopping it."
  fi
fi
