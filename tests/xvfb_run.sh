#!/usr/bin/env bash
# Runs a command on a private 1280x1024 X server of its own, with Qt on X11.
# Usage: xvfb_run.sh COMMAND [ARGUMENT...]
set -euo pipefail
work="$(mktemp -d)"
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
# The server writes the free display it took; no reset when the last (short-lived) client leaves.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start: $(cat "$work/xvfb.log")" >&2; exit 1; }
DISPLAY=":$(head -n1 "$work/display")" XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=xcb "$@"
