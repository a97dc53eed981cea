#!/usr/bin/env bash
# Prints Kavrin's version as the version record in res/Kavrin.rc states it:
# the user-visible ProductVersion ("3.00"), or with --numeric the
# FILEVERSION as NSIS wants it ("1.0.0.1"). Fails when a version text in the
# resource script disagrees with ProductVersion, so a release never ships a
# dialog caption that names another version than its setup.
set -euo pipefail
rc=$(cd "$(dirname "$0")/.." && pwd)/res/Kavrin.rc

version=$(sed -nE 's/^[[:space:]]*VALUE "ProductVersion", "([^"]+)".*/\1/p' "$rc")
numeric=$(sed -nE 's/^[[:space:]]*FILEVERSION[[:space:]]+([0-9]+),([0-9]+),([0-9]+),([0-9]+).*/\1.\2.\3.\4/p' "$rc")
if [ -z "$version" ] || [ -z "$numeric" ]; then
  echo "version.sh: no ProductVersion or FILEVERSION in $rc" >&2
  exit 1
fi

# "version 3.00" in texts, "3.00" in the FileVersion and ProductVersion values.
others=$(grep -oE '[Vv]ersion( |", ")[0-9]+\.[0-9.]+' "$rc" | grep -oE '[0-9.]+$' | sort -u)
if [ "$others" != "$version" ]; then
  echo "version.sh: $rc names more than one version:" $others >&2
  exit 1
fi

case ${1:-} in
  --numeric) echo "$numeric" ;;
  "") echo "$version" ;;
  *) echo "usage: $0 [--numeric]" >&2; exit 2 ;;
esac
