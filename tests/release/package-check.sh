#!/usr/bin/env bash
# Builds the release with scripts/package.sh and checks what lands in dist/:
# both files named after the version record, checksums that verify, the zip's
# three files, and CR LF text for Windows users. Prints PASS/FAIL lines and
# "package: N passed, M failed".
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

echo "package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
