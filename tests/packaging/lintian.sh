#!/bin/sh
# Builds the Debian package into a folder of its own and has lintian check it: no error, and a
# stripped program. Usage: lintian.sh <cpack> <CPackConfig.cmake> <lintian>
set -eu
work=$(mktemp -d "${TMPDIR:-/tmp}/helmsway-deb.XXXXXX")
trap 'rm -rf "$work"' EXIT
"$1" -G DEB --config "$2" -B "$work" >"$work/cpack.log" || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/helmsway_*.deb)
"$3" --fail-on error --tag-display-limit 0 "$deb"
echo "lintian: no error in $(basename "$deb")"
