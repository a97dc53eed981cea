#!/usr/bin/env bash
# Builds the Windows release into dist/: Kavrin-<version>-win32.zip
# (Kavrin.scr, README.txt made from README.md, LICENSE.txt),
# Kavrin-<version>-setup.exe and SHA256SUMS. The version is read from
# CMakeLists.txt (scripts/version.sh).
#
# Unsigned unless KAVRIN_SIGN holds a signing command that takes
# "-in FILE -out FILE", e.g. "osslsigncode sign -pkcs12 cert.pfx -readpass
# pass.txt -ts http://timestamp.example"; it signs Kavrin.scr before it is
# packed and the setup after.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/setup.sh
version=$(bash scripts/version.sh)
numeric=$(bash scripts/version.sh --numeric)

sign() {
  [ -n "${KAVRIN_SIGN:-}" ] || return 0
  # Word-split on purpose: the command and its options.
  $KAVRIN_SIGN -in "$1" -out "$1.signed"
  mv "$1.signed" "$1"
}

# A build of its own without the tests: a clean checkout needs only the program.
build=$root/build/release
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKAVRIN_TESTS=OFF \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$build"

# Windows users read these in Notepad: CR LF line ends. README.txt is
# README.md's player part, made anew for every release.
stage=$build/stage
rm -rf "$stage"
mkdir -p "$stage"
cp "$build/Kavrin.scr" "$stage/"
sign "$stage/Kavrin.scr"
python3 scripts/readme-txt.py README.md "$version" >"$stage/README.txt"
sed -e 's/\r*$/\r/' LICENSE >"$stage/LICENSE.txt"

dist=$root/dist
zip=Kavrin-$version-win32.zip
setup=Kavrin-$version-setup.exe
rm -rf "$dist"
mkdir -p "$dist"
(cd "$stage" && cmake -E tar cf "$dist/$zip" --format=zip Kavrin.scr README.txt LICENSE.txt)
nsis=(-V2 -DVERSION="$version" -DVERSION_NUMERIC="$numeric" -DSTAGE="$stage" -DICON="$root/res/Kavrin.ico")
# Twice: the first build measures the uninstaller, which the setup writes
# when it runs, so that the second can count it in the space it asks for.
makensis "${nsis[@]}" -DOUTFILE="$build/measure-setup.exe" -DMEASURE_UNINSTALLER="$build/uninstaller-bytes" \
  package/Kavrin.nsi
makensis "${nsis[@]}" -DOUTFILE="$dist/$setup" -DUNINSTALLER_BYTES="$(cat "$build/uninstaller-bytes")" \
  package/Kavrin.nsi
sign "$dist/$setup"
(cd "$dist" && sha256sum "$zip" "$setup" >SHA256SUMS)

echo "package: Kavrin $version in $dist:"
(cd "$dist" && ls -l "$zip" "$setup" SHA256SUMS | awk '{print "  " $5 " bytes  " $9}')
