#!/usr/bin/env bash
# Runs bench/check_winver.py on BUILD_DIR/Kavrin.scr, which must pass, and
# on BUILD_DIR/winver_fixture.exe (bench/winver_fixture.c), which must fail
# with exactly the findings below: proof that the checker still catches a 9x
# stub, a delay-loaded import NT 4.0 lacks and a cmov. Ends with
# "winver: N passed, M failed".
#   bench/check-winver.sh BUILD_DIR
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:?usage: $0 BUILD_DIR}

expected='FAIL Windows 95: kernel32.dll!MoveFileExA: 9x stub
FAIL Windows 95: shell32.dll!SHGetFolderPathA (delay-loaded): not before Me
FAIL NT 4.0: shell32.dll!SHGetFolderPathA (delay-loaded): not before NT 5.0
FAIL i586: ADDRESS: cmovCC OPERANDS
FAIL i586: instructions a Pentium lacks: 1 (cmovCC 1)
FAIL imports for Windows 95
FAIL imports for NT 4.0
FAIL instructions for i586'

echo "== $build/Kavrin.scr"
out=$("$here/check_winver.py" "$build/Kavrin.scr" 2>&1)
# Indented, so that only the last line below reads as the stage's count.
sed 's/^/  /' <<<"$out"
line=$(tail -n 1 <<<"$out")
if [[ $line =~ ^winver:\ ([0-9]+)\ passed,\ ([0-9]+)\ failed$ ]]; then
  passed=${BASH_REMATCH[1]}
  failed=${BASH_REMATCH[2]}
else
  passed=0
  failed=1
fi

echo "== $build/winver_fixture.exe: must fail with exactly the expected findings"
out=$("$here/check_winver.py" "$build/winver_fixture.exe" 2>&1)
status=$?
sed 's/^/  /' <<<"$out"
got=$(grep '^FAIL' <<<"$out" | sed -E 's/ 0x[0-9a-f]+: cmov[a-z]+ .*/ ADDRESS: cmovCC OPERANDS/; s/\(cmov[a-z]+ 1\)/(cmovCC 1)/')
if [ "$status" -eq 1 ] && [ "$got" = "$expected" ]; then
  echo "pass fixture rejected for exactly the expected reasons"
  passed=$((passed + 1))
else
  echo "FAIL fixture: exit status $status, findings differ from the expected ones:"
  diff <(echo "$expected") <(echo "$got") | sed 's/^/  /'
  failed=$((failed + 1))
fi

echo "winver: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
