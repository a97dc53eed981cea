#!/usr/bin/env bash
# The release end to end. scripts/package.sh builds it: both files named
# after the version record, checksums that verify, the zip's three files
# with CR LF text for Windows users; README.txt is what scripts/readme-txt.py
# makes of README.md now, plain ASCII, and holds every README section the
# program's texts name, as README.md does; it names no section, document or
# web page that the release lacks, says where Kavrin was tried and where not,
# and names the lock's setting as each Windows does; every picture README.md
# shows is in docs/. Then, under Wine, in a 32-bit prefix
# and again in a 64-bit one (SysWOW64, Program Files (x86)), a silent
# install puts Kavrin.scr into the system folder and README.txt beside the
# uninstaller, registers the uninstaller with that version and size and
# chooses Kavrin, and adds the Start-menu entry "Kavrin settings (as
# administrator)", marked to run as administrator, which opens the dialog;
# an upgrade replaces the file; the installed program opens
# its dialog; a silent uninstall takes all of it away again but keeps the
# user's settings file. With the dialog open, an upgrade changes nothing and
# ends with 32, and an uninstall leaves Kavrin.scr for the next restart and
# ends with 3010. SCRNSAVE.EXE is cleared only when it names the installed
# file. Run by hand (32-bit), the setup's title has no trailing blank, its
# components page asks for EstimatedSize, and Finish opens the README.
# Prints PASS/FAIL lines and "release: N passed, M failed".
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

contains() {
  [[ $1 == *"$2"* ]]
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
check "README.txt is CR LF and its title names the version" \
  bash -c "$(declare -f crlf_only); crlf_only '$unpacked/README.txt' && [ \"\$(head -n 1 '$unpacked/README.txt')\" = \$'Kavrin $version\\r' ]"
check "LICENSE.txt is CR LF" crlf_only "$unpacked/LICENSE.txt"

# README.txt is README.md's player part, made when the release is built; the
# generator stops on what it cannot render (a table, a link to no heading).
readme_txt=$unpacked/README.txt
check "README.txt is what scripts/readme-txt.py makes of README.md now" \
  bash -c "python3 scripts/readme-txt.py README.md '$version' | cmp -s - '$readme_txt'"
check "README.txt is ASCII, without Markdown's marks" \
  bash -c "! LC_ALL=C grep -qP '[^\\x00-\\x7F]|\`|\\*\\*|\\]\\(|<!--|-->|^#|^ *\\|' '$readme_txt'"

# The sections the program's texts send the player to, as those texts name
# them: each a heading of README.md and, underlined, of README.txt.
sections=$(grep -rhoE "README(,|'s)? \\\\\"[^\\\\]+\\\\\"" app settings ui win |
  sed -E 's/^[^"]*"(.*)\\"$/\1/' | sort -u)
check "the program's texts name README sections ($(tr '\n' ';' <<<"$sections"))" test -n "$sections"
while IFS= read -r section; do
  [ -n "$section" ] || continue
  check "README.md has the section \"$section\"" grep -qxF -e "## $section" -e "### $section" README.md
  check "README.txt has the section \"$section\"" \
    bash -c 'tr -d "\r" <"$1" | grep -A1 -xF -- "$2" | tail -n 1 | grep -qxE "[-~=]{${#2}}"' _ "$readme_txt" "$section"
done <<<"$sections"

# README.txt is all a player has: the zip and the setup ship it without
# README.md. A section it names in quotes is one of its own headings; a
# document it names is a file of the release.
readme_flat=$(tr -d '\r' <"$readme_txt" | tr '\n' ' ' | tr -s ' ')
readme_headings() {
  tr -d '\r' <"$readme_txt" | awk '{ line[NR] = $0 } END {
    for (i = 1; i < NR; i++) if (line[i + 1] ~ /^[-=~]+$/ && length(line[i + 1]) == length(line[i])) print line[i] }'
}
# Prints each section of README.md and of the reference beside it that
# README.txt names but does not hold (the title, "Kavrin", is also what the
# screen saver list shows).
sections_elsewhere() {
  local own heading
  own=$(readme_headings)
  awk 'FNR == 1 { fenced = 0 } /^```/ { fenced = !fenced } !fenced && sub(/^##+ +/, "")' README.md docs/reference.md |
    while IFS= read -r heading; do
      grep -qxF -- "$heading" <<<"$own" || [[ $readme_flat != *"\"$heading\""* ]] || echo "$heading"
    done
}
# Prints each document README.txt names that is not a file of the release.
documents_elsewhere() {
  local release name
  release=$( (cd "$unpacked" && ls) && (cd dist && ls))
  grep -oE '[A-Za-z0-9_.-]+\.(md|txt|html?|pdf|rtf|docx?|chm)\b' <<<"$readme_flat" | sort -u |
    while IFS= read -r name; do grep -qxF -- "$name" <<<"$release" || echo "$name"; done
}
elsewhere=$(sections_elsewhere)
check "README.txt names no section it lacks${elsewhere:+ (names $(tr '\n' ';' <<<"$elsewhere"))}" test -z "$elsewhere"
elsewhere=$(documents_elsewhere)
check "README.txt names no document the release lacks${elsewhere:+ (names $(tr '\n' ' ' <<<"$elsewhere"))}" test -z "$elsewhere"
check "README.txt names no web page" bash -c '! grep -qiE "https?://|www\." "$1"' _ "$readme_txt"

# The text of README.txt's section $1, its lines joined by blanks.
readme_section() {
  tr -d '\r' <"$readme_txt" | awk -v want="$1" '{ line[NR] = $0 } END {
    for (i = 1; i <= NR; i++) {
      if (i < NR && line[i + 1] ~ /^[-=~]+$/ && length(line[i + 1]) == length(line[i])) { inside = line[i] == want; i++; continue }
      if (inside) printf "%s ", line[i]
    } }' | tr -s ' '
}
tried=$(readme_section "What was tried")
for said in "tried under Wine as Windows" "never ran on real Windows" "Only read in their source code:" \
  "Not checked at all: Half-Life, SiN and Heretic II"; do
  check "README.txt's \"What was tried\" says \"$said\"" contains "$tried" "$said"
done
lock=$(readme_section "Locking the PC")
for named in 'Vista to 11: "On resume, display logon screen"' 'XP: "On resume, password protect"' \
  '"On resume, display Welcome screen"' '98, ME, NT 4.0 and 2000: "Password protected"'; do
  check "README.txt's \"Locking the PC\" names $named" contains "$lock" "$named"
done

# Every picture README.md shows is a file in docs/.
pictures=$(grep -oE '!\[[^]]*\]\([^) ]+' README.md | sed -E 's/.*\(//')
check "README.md shows pictures ($(tr '\n' ' ' <<<"$pictures"))" test -n "$pictures"
while IFS= read -r picture; do
  [ -n "$picture" ] || continue
  check "README.md's picture $picture is a file in docs/" test "${picture#docs/}" != "$picture" -a -s "$picture"
done <<<"$pictures"

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
trap kavrin_wine_stop EXIT

# Starts the installed Kavrin.scr /c; sets $saver and $window.
open_dialog() {
  wine "$scr_path" /c </dev/null >/dev/null 2>&1 &
  saver=$!
  window=$(timeout 60 xdotool search --sync --name "^Kavrin Version $version Configuration\$" 2>/dev/null | head -n 1)
}
close_dialog() {
  [ -n "$window" ] && xdotool windowfocus --sync "$window" key Escape
  timeout 30 tail --pid="$saver" -f /dev/null || kill "$saver" 2>/dev/null
}

# The link flags of a .lnk, the four bytes at 0x14 after its header size 0x4C,
# hold SLDF_RUNAS_USER (0x2000): Windows runs the shortcut as administrator.
runs_as_administrator() {
  local header flags
  header=$(od -An -tx4 -N4 "$1" | tr -d ' ')
  flags=$(od -An -tu4 -j20 -N4 "$1" | tr -d ' ')
  [ "$header" = 0000004c ] && [ -n "$flags" ] && (((flags & 0x2000) != 0))
}

# Whether the .lnk's strings (UTF-16, read here without their NULs) hold
# each of the texts after it.
link_holds() {
  local link=$1 text
  shift
  for text in "$@"; do
    tr -d '\0' <"$link" | grep -aqF -- "$text" || return 1
  done
}

# Opens the settings window through the Start-menu entry, as a click on it
# does, and closes it again; under Wine the shortcut runs as it is, without
# an elevation prompt. Sets $window.
open_by_settings_link() {
  window=
  eventually dialog_gone || return
  wine start "$(wine winepath -w "$settings_link" 2>/dev/null)" </dev/null >/dev/null 2>&1
  window=$(timeout 60 xdotool search --sync --name "^Kavrin Version $version Configuration\$" 2>/dev/null | head -n 1)
}
dialog_gone() {
  ! xdotool search --name "^Kavrin Version $version Configuration\$" >/dev/null 2>&1
}
# Closes the window the Start-menu entry opened: Escape, again each second
# for up to 10 s (on a busy machine a key may come before the dialog takes
# keys, or go to cmd's console), then, should it still be open, this
# prefix's Kavrin.scr and cmd by their ids. Not a check: Escape is checked
# on the dialog opened directly, and a key's timing must not decide a run.
close_settings_window() {
  local i shown pid
  for i in $(seq 10); do
    shown=$(xdotool search --name "^Kavrin Version $version Configuration\$" 2>/dev/null | head -n 1)
    [ -z "$shown" ] && return 0
    timeout 5 xdotool windowfocus --sync "$shown" key Escape 2>/dev/null
    sleep 1
  done
  for pid in $(pgrep -f 'Kavrin\.scr'); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && kill "$pid"
  done
  eventually dialog_gone
}

installed_state() {
  sha256sum "$scr" "$program_dir"/*
  wine reg query "$uninst_key" /s </dev/null 2>/dev/null
  reg_value "$desktop_key" SCRNSAVE.EXE
}

# One Windows, in a prefix of its own: win32, or win64, where the 32-bit
# setup's system folder is SysWOW64 and its program folder Program Files (x86).
# Sets the paths the checks after it use.
install_pass() {
  local arch=$1 system=system32 programs='Program Files'
  bits=32-bit
  prefix=$root/build/install-wineprefix
  if [ "$arch" = win64 ]; then
    system=SysWOW64 programs='Program Files (x86)' bits=64-bit prefix+=64
  fi
  rm -rf "$prefix"
  kavrin_wine_start "$prefix" "$arch"
  # Wine would copy the setup's Start-menu entry into the host's menus.
  export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe="
  drive_c=$prefix/drive_c
  scr_path="C:\\windows\\$system\\Kavrin.scr"
  scr=$drive_c/windows/${system,,}/Kavrin.scr
  program_dir=$drive_c/$programs/Kavrin
  printf 'user settings\r\n' >"$drive_c/q2scr.sc2"

  wine "$setup" /S </dev/null >/dev/null 2>&1
  check "$bits: silent setup ends with 0" test $? -eq 0
  check "$bits: Kavrin.scr is in $system and nowhere else in C:\\windows" \
    test -s "$scr" -a "$(find "$drive_c/windows" -iname Kavrin.scr | wc -l)" -eq 1
  check "$bits: uninstall entry names version $version" test "$(reg_value "$uninst_key" DisplayVersion)" = "$version"
  check "$bits: uninstall entry names the publisher" test "$(reg_value "$uninst_key" Publisher)" = Telmora
  check "$bits: uninstall entry names C:\\$programs\\Kavrin" \
    test "$(reg_value "$uninst_key" InstallLocation)" = "C:\\$programs\\Kavrin"
  uninstaller=$(reg_value "$uninst_key" UninstallString | tr -d '"')
  check "$bits: the uninstaller is where the entry says" test -f "$(wine winepath -u "$uninstaller" 2>/dev/null)"
  check "$bits: README.txt is beside the uninstaller" cmp -s "$program_dir/README.txt" build/release/stage/README.txt
  check "$bits: SCRNSAVE.EXE names $scr_path" test "$(reg_value "$desktop_key" SCRNSAVE.EXE)" = "$scr_path"
  settings_link="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Kavrin settings (as administrator).lnk"
  check "$bits: every user's Start menu holds \"Kavrin settings (as administrator)\"" test -s "$settings_link"
  check "$bits: that shortcut is marked to run as administrator (SLDF_RUNAS_USER)" runs_as_administrator "$settings_link"
  check "$bits: that shortcut runs cmd.exe /c \"\"$scr_path\" /c\"" \
    link_holds "$settings_link" 'cmd.exe' '/c ""'"$scr_path"'" /c"'
  bytes=$(cat "$scr" "$program_dir/README.txt" "$program_dir/LICENSE.txt" "$program_dir/Uninstall.exe" | wc -c)
  kib=$(((bytes + 1023) / 1024))
  estimated=$(($(reg_value "$uninst_key" EstimatedSize)))
  # At most 1 KiB over for each file, rounded up on its own.
  check "$bits: EstimatedSize ($estimated) is the installed files' $kib KiB" \
    test "$estimated" -ge "$kib" -a "$estimated" -le $((kib + 4))

  printf 'older build' >>"$scr"
  wine "$setup" /S </dev/null >/dev/null 2>&1
  check "$bits: an upgrade with Kavrin closed ends with 0" test $? -eq 0
  check "$bits: an upgrade with Kavrin closed replaces Kavrin.scr" cmp -s "$scr" build/release/stage/Kavrin.scr

  open_dialog
  check "$bits: installed Kavrin.scr /c opens its dialog" test -n "$window"
  close_dialog

  open_by_settings_link
  check "$bits: the Start-menu entry opens Kavrin's settings" test -n "$window"
  close_settings_window

  # Windows may store the path in any case.
  wine reg add "$desktop_key" /v SCRNSAVE.EXE /d "${scr_path^^}" /f </dev/null >/dev/null 2>&1
  quiet=$(reg_value "$uninst_key" QuietUninstallString)
  uninstall_path=${quiet%\" /S}
  wine "${uninstall_path#\"}" /S </dev/null >/dev/null 2>&1
  check "$bits: uninstall removes Kavrin.scr" eventually test ! -e "$scr"
  check "$bits: uninstall removes the program folder, README.txt with it" eventually test ! -e "$program_dir"
  check "$bits: uninstall removes the entry" test -z "$(reg_value "$uninst_key" DisplayVersion)"
  check "$bits: uninstall removes the Start-menu entry" test ! -e "$settings_link"
  check "$bits: uninstall clears SCRNSAVE.EXE naming the installed file in capitals" \
    test -z "$(reg_value "$desktop_key" SCRNSAVE.EXE)"
  check "$bits: uninstall keeps c:\\q2scr.sc2" test "$(cat "$drive_c/q2scr.sc2")" = $'user settings\r'

  # An older version, in use: its settings dialog open.
  wine "$setup" /S </dev/null >/dev/null 2>&1
  printf 'older build' >>"$scr"
  printf 'older text' >>"$program_dir/README.txt"
  wine reg add "$uninst_key" /v DisplayVersion /d 2.99 /f </dev/null >/dev/null 2>&1
  wine reg add "$desktop_key" /v SCRNSAVE.EXE /d 'C:\Games\Kavrin.scr' /f </dev/null >/dev/null 2>&1
  before=$(installed_state)
  open_dialog
  check "$bits: the older Kavrin.scr /c opens its dialog" test -n "$window"
  wine "$setup" /S </dev/null >/dev/null 2>&1
  check "$bits: an upgrade with Kavrin's dialog open ends with 32" test $? -eq 32
  check "$bits: an upgrade with Kavrin's dialog open changes no file and no registry value" \
    test "$(installed_state)" = "$before"

  # In place (_?=), so the exit code is the uninstaller's; through cmd, which
  # passes the command line as it stands and reports all 32 bits of it.
  location=$(reg_value "$uninst_key" InstallLocation)
  printf '@"%s\\Uninstall.exe" /S _?=%s\r\n@echo %%ERRORLEVEL%%\r\n' "$location" "$location" >"$drive_c/uninstall-in-place.bat"
  code=$(wine cmd /c 'C:\uninstall-in-place.bat' </dev/null 2>/dev/null | tr -d '\r')
  check "$bits: uninstall with Kavrin's dialog open ends with 3010" test "$code" = 3010
  pending='HKLM\System\CurrentControlSet\Control\Session Manager'
  check "$bits: uninstall with Kavrin's dialog open queues Kavrin.scr for the restart" \
    contains "$(reg_value "$pending" PendingFileRenameOperations)" "$scr_path"
  check "$bits: uninstall keeps SCRNSAVE.EXE naming another Kavrin.scr" \
    test "$(reg_value "$desktop_key" SCRNSAVE.EXE)" = 'C:\Games\Kavrin.scr'
  close_dialog
  wineboot -r </dev/null >/dev/null 2>&1
  check "$bits: the restart removes Kavrin.scr" test ! -e "$scr"
}

# The setup run by hand, with the boxes as they are, in the prefix of the
# last pass: its title, the space its components page asks for (from Wine's
# trace of SetDlgItemTextW), and Finish opening the README.
install_by_hand() {
  local trace=$root/build/release/setup-trace.txt setup_window titles notepad space
  # Windows opens .txt files with Notepad; a fresh Wine prefix does not.
  wine reg add 'HKCR\.txt' /ve /d txtfile /f </dev/null >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Debug' /v RelayInclude /d 'user32.SetDlgItemTextW;user32.CreateWindowExW' /f \
    </dev/null >/dev/null 2>&1
  WINEDEBUG=+relay wine "$setup" </dev/null >/dev/null 2>"$trace" &
  setup_window=$(timeout 60 xdotool search --sync --name "^Kavrin $version Setup" 2>/dev/null | head -n 1)
  eventually grep -aq 'L"Space required: ' "$trace"
  titles=$(xdotool getwindowname "$setup_window" 2>/dev/null)
  [ -n "$setup_window" ] && xdotool windowfocus --sync "$setup_window" key Return # Install
  eventually grep -aq 'L"Show README"' "$trace" && sleep 1
  titles+=" | $(xdotool getwindowname "$setup_window" 2>/dev/null)"
  check "the setup's title is \"Kavrin $version Setup\" on the components and the finish page" \
    test "$titles" = "Kavrin $version Setup | Kavrin $version Setup"
  [ -n "$setup_window" ] && xdotool windowfocus --sync "$setup_window" key Return # Finish
  notepad=$(timeout 30 xdotool search --sync --name '^README' 2>/dev/null | head -n 1)
  check "Finish, with Show README ticked as it comes, opens README.txt" \
    contains "$(xdotool getwindowname "$notepad" 2>/dev/null)" README.txt
  space=$(sed -nE 's/.*L"Space required: ([0-9.]+ [KMG]B)".*/\1/p' "$trace" | tail -n 1)
  estimated=$(($(reg_value "$uninst_key" EstimatedSize)))
  check "the components page asks for EstimatedSize, $estimated KiB (\"$space\")" \
    test "$space" = "$estimated.0 KB"
}

install_pass win32
install_by_hand
kavrin_wine_stop
install_pass win64
finish
