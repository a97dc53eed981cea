#!/usr/bin/env bash
# The release end to end. scripts/package.sh builds it: both files named
# after the version record, checksums that verify, the zip's three files
# with CR LF text for Windows users. Then, under Wine in a prefix of its
# own, a silent install puts Kavrin.scr into the system folder, registers
# the uninstaller with that version and chooses Kavrin; the installed
# program opens its dialog; a silent uninstall takes all of it away again
# but keeps the user's settings file. Prints PASS/FAIL lines and
# "release: N passed, M failed".
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"

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
  echo "release: $passed passed, $failed failed"
  [ "$failed" -eq 0 ]
  exit
}

# Every line of the file ends in CR LF.
crlf_only() {
  [ -s "$1" ] && ! grep -qv $'\r$' "$1"
}

bash scripts/package.sh
check "scripts/package.sh ends with 0" test $? -eq 0
version=$(bash scripts/version.sh)
zip=dist/Kavrin-$version-win32.zip
check "the setup exists" test -s "dist/Kavrin-$version-setup.exe"
check "the zip exists" test -s "$zip"
check "SHA256SUMS verifies both" bash -c "cd dist && sha256sum --quiet -c SHA256SUMS && [ \$(wc -l <SHA256SUMS) -eq 2 ]"

unpacked=$root/build/release/unpacked
rm -rf "$unpacked"
mkdir -p "$unpacked"
(cd "$unpacked" && cmake -E tar xf "$root/$zip")
check "the zip holds Kavrin.scr, README.txt and LICENSE.txt" \
  test "$(cd "$unpacked" && ls | tr '\n' ' ')" = "Kavrin.scr LICENSE.txt README.txt "
check "README.txt is CR LF and names the version" \
  bash -c "$(declare -f crlf_only); crlf_only '$unpacked/README.txt' && grep -q 'Kavrin $version ' '$unpacked/README.txt'"
check "LICENSE.txt is CR LF" crlf_only "$unpacked/LICENSE.txt"

setup=$root/dist/Kavrin-$version-setup.exe
uninst_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kavrin'
desktop_key='HKCU\Control Panel\Desktop'

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
