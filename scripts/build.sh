#!/usr/bin/env bash
# Builds Kavrin: `native` (portable core and its tests), `win32` (Kavrin.scr
# and its tests, cross-compiled with mingw-w64) or `all` (the default).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
target=${1:-all}

build_native() {
  cmake -S "$root" -B "$root/build/native" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$root/build/native"
}

build_win32() {
  cmake -S "$root" -B "$root/build/win32" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
  cmake --build "$root/build/win32"
}

case $target in
  native) build_native ;;
  win32) build_win32 ;;
  all) build_native && build_win32 ;;
  *) echo "usage: $0 [native|win32|all]" >&2; exit 2 ;;
esac
