#!/usr/bin/env bash
# Usage: xvfb_run.sh [--wm] COMMAND [ARGUMENT...]   Runs the command with Qt on a private X server
# of its own (1280x1024, or XVFB_SCREEN); with --wm, under a window manager that frames windows.
set -euo pipefail
[ "$1" = --wm ] && shift && wm=1 || wm=""
work="$(mktemp -d)"
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
# The server writes the free display it took; no reset when the last (short-lived) client leaves.
Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1280x1024}x24" -nolisten tcp -noreset 3>"$work/display" \
    2>"$work/xvfb.log" &
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start: $(cat "$work/xvfb.log")" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")" XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=xcb
if [ -n "$wm" ]; then
    # Awaited until it frames windows: a program started before that misses its features.
    HOME="$work" openbox --sm-disable >"$work/wm.log" 2>&1 &
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_FRAME_EXTENTS && break
        sleep 0.1
    done
fi
"$@"
