#!/usr/bin/env bash
# Installs the build into an empty prefix and checks that the desktop finds the program.
set -euo pipefail
build="$1"
resources="$2"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
fail() { echo "install check: $*" >&2; exit 1; }
[ -x "$prefix/bin/kestrum" ] || fail "no program in bin/"
cmp -s "$prefix/share/icons/hicolor/32x32/apps/kestrum.png" "$resources/kestrum.png" || fail "no icon"
entry="$prefix/share/applications/kestrum.desktop"
[ -f "$entry" ] || fail "no desktop entry"
grep -qx 'Exec=kestrum' "$entry" || fail "entry does not start kestrum"
grep -qx 'Icon=kestrum' "$entry" || fail "entry does not name the icon"
echo "install check: passed"
