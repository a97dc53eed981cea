#!/usr/bin/env bash
# Prints Kavrin's version as the top of CMakeLists.txt states it: the
# user-visible KAVRIN_VERSION_TEXT ("3.00"), or with --numeric the
# project's version, as NSIS wants it ("1.0.0.1").
set -euo pipefail
lists=$(cd "$(dirname "$0")/.." && pwd)/CMakeLists.txt

version=$(sed -nE 's/^set\(KAVRIN_VERSION_TEXT ([^ )]+)\)$/\1/p' "$lists")
numeric=$(sed -nE 's/^project\(Kavrin VERSION ([0-9.]+) .*/\1/p' "$lists")
if [ -z "$version" ] || [ -z "$numeric" ]; then
  echo "version.sh: no KAVRIN_VERSION_TEXT or project version in $lists" >&2
  exit 1
fi

case ${1:-} in
  --numeric) echo "$numeric" ;;
  "") echo "$version" ;;
  *) echo "usage: $0 [--numeric]" >&2; exit 2 ;;
esac
