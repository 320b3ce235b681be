#!/usr/bin/env bash
# Runs a command on a private 1280x1024 X server of its own, with Qt on X11.
# Usage: xvfb_run.sh COMMAND [ARGUMENT...]
set -euo pipefail
work="$(mktemp -d)"
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
# The server picks a free display and writes its number.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start: $(cat "$work/xvfb.log")" >&2; exit 1; }
mkdir -m 700 "$work/runtime"
DISPLAY=":$(head -n1 "$work/display")" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb "$@"
