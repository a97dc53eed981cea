#!/usr/bin/env bash
# The setup end to end under Wine, in a prefix of its own: a silent install
# puts Kavrin.scr into the system folder, registers the uninstaller with the
# version of the version record and chooses Kavrin; the installed program
# opens its dialog; a silent uninstall takes all of it away again but keeps
# the user's settings file. Prints PASS/FAIL lines and "install: N passed,
# M failed". Needs dist/ from scripts/package.sh.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"

version=$(bash scripts/version.sh)
setup=$root/dist/Kavrin-$version-setup.exe
uninst_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kavrin'
desktop_key='HKCU\Control Panel\Desktop'

passed=0
failed=0
check() {
  local name=$1
  shift
  if "$@"; then
    echo "PASS $name"
    passed=$((passed + 1))
  else
    echo "FAIL $name"
    failed=$((failed + 1))
  fi
}
finish() {
  echo "install: $passed passed, $failed failed"
  [ "$failed" -eq 0 ]
  exit
}

# Prints a registry value's data; nothing when the key or value is missing.
reg_value() {
  wine reg query "$1" /v "$2" </dev/null 2>/dev/null | tr -d '\r' |
    sed -nE "s/^ +$2 +REG_[A-Z_]+ +//p"
}

# Waits up to 60 s for a command to succeed: uninstallers return at once.
eventually() {
  local i
  for i in $(seq 60); do
    "$@" && return 0
    sleep 1
  done
  return 1
}

[ -f "$setup" ] || { echo "FAIL setup: $setup is missing"; failed=1; finish; }

source scripts/wine-env.sh
prefix=$root/build/install-wineprefix
rm -rf "$prefix"
trap kavrin_wine_stop EXIT
kavrin_wine_start "$prefix"
drive_c=$prefix/drive_c
scr=$drive_c/windows/system32/Kavrin.scr
printf 'user settings\r\n' >"$drive_c/q2scr.sc2"

wine "$setup" /S </dev/null >/dev/null 2>&1
check "silent setup ends with 0" test $? -eq 0
check "Kavrin.scr is in the system folder" test -s "$scr"
check "uninstall entry names version $version" test "$(reg_value "$uninst_key" DisplayVersion)" = "$version"
check "uninstall entry names the publisher" test "$(reg_value "$uninst_key" Publisher)" = Telmora
uninstaller=$(reg_value "$uninst_key" UninstallString | tr -d '"')
check "the uninstaller is where the entry says" test -f "$(wine winepath -u "$uninstaller" 2>/dev/null)"
check "SCRNSAVE.EXE names Kavrin" test "$(reg_value "$desktop_key" SCRNSAVE.EXE)" = 'C:\windows\system32\Kavrin.scr'

wine 'C:\windows\system32\Kavrin.scr' /c </dev/null >/dev/null 2>&1 &
saver=$!
window=$(timeout 60 xdotool search --sync --name "^Kavrin Version $version Configuration\$" 2>/dev/null | head -n 1)
check "installed Kavrin.scr /c opens its dialog" test -n "$window"
[ -n "$window" ] && xdotool windowfocus --sync "$window" key Escape
timeout 30 tail --pid="$saver" -f /dev/null || kill "$saver" 2>/dev/null

quiet=$(reg_value "$uninst_key" QuietUninstallString)
uninstall_path=${quiet%\" /S}
wine "${uninstall_path#\"}" /S </dev/null >/dev/null 2>&1
check "uninstall removes Kavrin.scr" eventually test ! -e "$scr"
check "uninstall removes the program folder" eventually test ! -e "$drive_c/Program Files/Kavrin"
check "uninstall removes the entry" test -z "$(reg_value "$uninst_key" DisplayVersion)"
check "uninstall clears SCRNSAVE.EXE" test -z "$(reg_value "$desktop_key" SCRNSAVE.EXE)"
check "uninstall keeps c:\\q2scr.sc2" test "$(cat "$drive_c/q2scr.sc2")" = $'user settings\r'
finish
