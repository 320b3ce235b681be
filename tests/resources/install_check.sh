#!/usr/bin/env bash
# Installs the build (folder $1) into an empty prefix: the desktop must find the program and its icon.
set -euo pipefail
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$1" --prefix "$prefix" >/dev/null
fail() { echo "install check: $*" >&2; exit 1; }
[ -x "$prefix/bin/kestrum" ] || fail "no program in bin/"
cmp -s "$prefix"/share/icons/hicolor/32x32/apps/kestrum.png "${0%/*}/../../resources/kestrum.png" || fail "no icon"
entry="$prefix/share/applications/kestrum.desktop"
[ "$(grep -cx -e Exec=kestrum -e Icon=kestrum "$entry")" = 2 ] || fail "the entry lacks Exec=kestrum or Icon=kestrum"
