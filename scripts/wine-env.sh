# Sourced: a Wine prefix and a virtual X display of our own.
#   kavrin_wine_start PREFIX [win64]  create PREFIX if needed (32-bit unless
#                                     asked), start Xvfb and wineserver
#   kavrin_wine_stop                  stop both again
# Exports WINEPREFIX, WINEARCH, WINEDEBUG, WINEDLLOVERRIDES and DISPLAY.

# Debian's Wine 8 never reads /usr/share/wine/fonts, where fonts-wine puts
# its fonts, and fontconfig does not list that folder either. Without
# Marlett, caption buttons, scroll arrows and check marks are drawn as
# letters ("r" for the close box). Fonts in the prefix's Fonts folder are
# always loaded.
kavrin_wine_fonts() {
  local fonts=$1/drive_c/windows/Fonts
  [ -f /usr/share/wine/fonts/marlett.ttf ] || return 0
  [ -f "$fonts/marlett.ttf" ] && return 0
  mkdir -p "$fonts"
  cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
}

kavrin_wine_prefix_init() {
  local prefix=$1
  if [ -f "$prefix/.kavrin-ready" ]; then
    kavrin_wine_fonts "$prefix"
    return 0
  fi
  rm -rf "$prefix"
  mkdir -p "$prefix"
  WINEPREFIX=$prefix wineboot -i >/dev/null 2>&1
  local reg
  reg=$(mktemp --suffix=.reg)
  # A virtual desktop: without a window manager Wine otherwise waits 2 s on
  # every hidden top-level window. A missing debugger ends a crash at once
  # with its exception code instead of a dialog that waits forever.
  cat >"$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1024x768"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\AeDebug]
"Debugger"="kavrin-no-debugger.exe"
"Auto"="1"
REG
  WINEPREFIX=$prefix wine regedit /S "$reg" >/dev/null 2>&1
  rm -f "$reg"
  WINEPREFIX=$prefix wineserver -w
  kavrin_wine_fonts "$prefix"
  touch "$prefix/.kavrin-ready"
}

kavrin_free_display() {
  local n=90
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  echo "$n"
}

kavrin_wine_start() {
  export WINEARCH=${2:-win32}
  export WINEPREFIX=$1
  export WINEDEBUG=${WINEDEBUG:--all}
  export WINEDLLOVERRIDES="mscoree,mshtml="
  kavrin_wine_prefix_init "$WINEPREFIX"

  local n
  n=$(kavrin_free_display)
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  KAVRIN_XVFB_PID=$!
  export DISPLAY=":$n"
  local i
  for i in $(seq 50); do
    [ -e "/tmp/.X11-unix/X$n" ] && break
    sleep 0.1
  done

  # Detached from our pipes: CTest would otherwise wait on Wine's helpers.
  wineserver -p </dev/null >/dev/null 2>&1
  wine cmd /c exit </dev/null >/dev/null 2>&1
}

kavrin_wine_stop() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1
  if [ -n "${KAVRIN_XVFB_PID:-}" ]; then
    kill "$KAVRIN_XVFB_PID" 2>/dev/null
    wait "$KAVRIN_XVFB_PID" 2>/dev/null
    KAVRIN_XVFB_PID=
  fi
  return 0
}
