#!/usr/bin/env bash
# Checks that Kavrin.scr, stripped, is at most 96 KiB, imports only DLLs
# that come with Windows, loads nothing but kernel32 and the C runtime at
# start (the rest is delay-loaded, so preview and the switch check stay as
# cheap as an empty program), keeps its security flags: ASLR
# (DYNAMIC_BASE), NX (NX_COMPAT) and a read-only .rdata, and that its
# manifest asks to run as the invoking user (without it Windows redirects
# refused writes into a copy no game reads). Prints each section's bytes
# and the slack before its next file block, so a change shows its cost in
# bytes. Ends with "size: N passed, M failed".
#   bench/check-size.sh PATH_TO_Kavrin.scr
set -uo pipefail

# A guard that catches a mistake (a stream library pulled in, the runtime
# linked twice), far above what a feature costs: never a reason to write
# code one way rather than another.
limit_kib=96
limit_bytes=$((limit_kib * 1024))
allowed_dlls=" kernel32.dll user32.dll gdi32.dll comctl32.dll comdlg32.dll shell32.dll advapi32.dll msvcrt.dll "
startup_dlls=" kernel32.dll msvcrt.dll "
strip_tool=i686-w64-mingw32-strip
objdump_tool=i686-w64-mingw32-objdump

scr=${1:?usage: $0 PATH_TO_Kavrin.scr}
passed=0
failed=0
report() {
  echo "size: $passed passed, $failed failed"
  [ "$failed" -eq 0 ]
  exit
}

if [ ! -f "$scr" ]; then
  echo "check-size: $scr does not exist"
  failed=5
  report
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
stripped=$work/Kavrin.scr
cp "$scr" "$stripped"

# Each section's bytes and what is left of its last file block; a section
# without file blocks (.bss) takes memory only.
print_sections() {
  local align
  align=$((16#$("$objdump_tool" -p "$1" | sed -nE 's/^FileAlignment[[:space:]]+([0-9a-fA-F]+)$/\1/p')))
  echo "sections (bytes, slack to the next $align-byte file block):"
  "$objdump_tool" -h "$1" | while read -r index name size _ _ offset _; do
    [[ "$index" =~ ^[0-9]+$ ]] || continue
    local bytes=$((16#$size))
    if [ "$((16#$offset))" -eq 0 ]; then
      printf '  %-8s %6d  in memory only\n' "$name" "$bytes"
    else
      printf '  %-8s %6d  %4d\n' "$name" "$bytes" "$(((align - bytes % align) % align))"
    fi
  done
}

if "$strip_tool" "$stripped"; then
  bytes=$(stat -c %s "$stripped")
  echo "stripped size: $bytes bytes ($((bytes / 1024)) KiB), limit $limit_bytes bytes ($limit_kib KiB)"
  print_sections "$stripped"
  if [ "$bytes" -le "$limit_bytes" ]; then
    passed=$((passed + 1))
  else
    echo "FAIL: stripped Kavrin.scr is larger than $limit_kib KiB"
    failed=$((failed + 1))
  fi
else
  echo "FAIL: $strip_tool could not strip $scr"
  failed=$((failed + 1))
fi

if dump=$("$objdump_tool" -p "$stripped"); then
  dlls=$(sed -nE 's/^[[:space:]]*DLL Name:[[:space:]]*//p' <<<"$dump" | tr -d '\r')
  echo "imports: $(tr '\n' ' ' <<<"$dlls")"
  # The delay-loaded ones, which objdump does not list, check_winver.py
  # reads with every function against the table of Windows releases.
  foreign=()
  while read -r dll; do
    [ -z "$dll" ] && continue
    [[ "$allowed_dlls" == *" ${dll,,} "* ]] || foreign+=("$dll")
  done <<<"$dlls"
  if [ ${#foreign[@]} -eq 0 ]; then
    passed=$((passed + 1))
  else
    echo "FAIL: imports DLLs that are not part of Windows: ${foreign[*]}"
    failed=$((failed + 1))
  fi
  at_start=()
  while read -r dll; do
    [ -z "$dll" ] && continue
    [[ "$startup_dlls" == *" ${dll,,} "* ]] || at_start+=("$dll")
  done <<<"$dlls"
  if [ ${#at_start[@]} -eq 0 ]; then
    passed=$((passed + 1))
  else
    echo "FAIL: loads more than kernel32 and msvcrt at start: ${at_start[*]}"
    failed=$((failed + 1))
  fi
else
  echo "FAIL: $objdump_tool could not read $scr"
  failed=$((failed + 2))
fi

# Read from the file as given: strip would rewrite the section flags.
if dump=$("$objdump_tool" -p -h "$scr"); then
  # objdump lists each DllCharacteristics flag on a line of its own.
  flags=$(sed -nE '/^DllCharacteristics/,/^[^[:space:]]/s/^[[:space:]]+([A-Z_]+)$/\1/p' <<<"$dump" | tr '\n' ' ')
  flags=${flags% }
  rdata=$(grep -A1 -E '^ +[0-9]+ \.rdata ' <<<"$dump" | tail -n 1 | tr -s ' ')
  echo "DllCharacteristics: $flags; .rdata:$rdata"
  missing=()
  for flag in DYNAMIC_BASE NX_COMPAT; do
    [[ " $flags " == *" $flag "* ]] || missing+=("$flag")
  done
  [[ "$rdata" == *READONLY* ]] || missing+=("read-only .rdata")
  if [ ${#missing[@]} -eq 0 ]; then
    passed=$((passed + 1))
  else
    echo "FAIL: lacks ${missing[*]}"
    failed=$((failed + 1))
  fi
else
  echo "FAIL: $objdump_tool could not read $scr"
  failed=$((failed + 1))
fi

if grep -aq 'requestedExecutionLevel level="asInvoker"' "$scr"; then
  passed=$((passed + 1))
else
  echo "FAIL: the manifest does not ask to run as the invoking user (asInvoker)"
  failed=$((failed + 1))
fi

report
