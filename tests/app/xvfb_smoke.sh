#!/usr/bin/env bash
# Starts the program on the X server of DISPLAY and checks its window: caption, client size, icon,
# the outer window (frame included) centred on the screen, and that closing it as a window manager
# does (WM_DELETE_WINDOW) ends the program with exit code 0, nothing written to its home or XDG
# folders.   Usage: xvfb_run.sh xvfb_smoke.sh [--wm] PROGRAM [ARGUMENT...]
# With --wm the program starts under a window manager, which frames it; without, the window is
# checked frameless and a window manager comes only to close it.
set -euo pipefail
wm=""
[ "$1" = --wm ] && wm=1 && shift
caption="Kestrum 1.2 (kestrum.example.org)"
work="$(mktemp -d)"
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "smoke: $*" >&2; exit 1; }
start_wm() {
    HOME="$work" openbox --sm-disable >"$work/wm.log" 2>&1 &
    for _ in $(seq 50); do wmctrl -m >/dev/null 2>&1 && return; sleep 0.1; done
    fail "openbox did not start: $(cat "$work/wm.log")"
}
# The outer window: the window manager's frame, or the window itself when it has none.
outer() {
    local tree; tree="$(xwininfo -tree -id "$window")"
    outer=$(awk '/Parent window id/ {print $4}' <<<"$tree")
    [ "$outer" = "$(awk '/Root window id/ {print $4}' <<<"$tree")" ] && outer=$window
    read -r x y w h <<<"$(xwininfo -id "$outer" | awk '/Absolute upper-left X/ {x=$NF}
        /Absolute upper-left Y/ {y=$NF} /Width/ {w=$NF} /Height/ {h=$NF} END {print x, y, w, h}')"
}
centred() { outer && (((2 * x + w - 1280) ** 2 <= 4 && (2 * y + h - 1024) ** 2 <= 4)); }

[ -n "$wm" ] && start_wm
home="$work/home"
mkdir "$home"
HOME="$home" XDG_CONFIG_HOME="$home/c" XDG_CACHE_HOME="$home/c" XDG_DATA_HOME="$home/d" \
    XDG_STATE_HOME="$home/s" "$@" >"$work/out.log" 2>&1 &
pid=$!
window=""
for _ in $(seq 100); do
    info="$(xwininfo -name "$caption" 2>/dev/null)" && grep -q IsViewable <<<"$info" &&
        window="$(awk '/Window id/ {print $4}' <<<"$info")" && centred && break
    kill -0 $pid 2>/dev/null || fail "program ended early: $(cat "$work/out.log")"
    sleep 0.1
done
[ -n "$window" ] || fail "no window captioned \"$caption\""
centred || fail "outer window ${w}x$h+$x+$y is not centred on the screen"
[ "$([ "$outer" = "$window" ] || echo 1)" = "$wm" ] || fail "framed ($outer) without a window manager, or not with one"
size="$(awk '/Width/ {w=$NF} /Height/ {h=$NF} END {print w "x" h}' <<<"$info")"
[ "$size" = 395x576 ] || fail "client size $size, not 395x576"
xprop -id "$window" _NET_WM_ICON | grep -q 'Icon (32 x 32)' || fail "the window has no 32 x 32 icon"
if [ -n "$wm" ]; then
    # Only the first placement is the program's: a window moved later stays where it was moved.
    wmctrl -i -r "$window" -e 1,20,30,-1,-1
    for _ in $(seq 50); do centred || break; sleep 0.1; done
    sleep 0.5
    ! centred && [ "$x,$y" = 20,30 ] || fail "a move to 20,30 ended at $x,$y"
else
    start_wm
fi

wmctrl -i -c "$window"
for _ in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
kill -0 $pid 2>/dev/null && fail "the program did not end when its window was closed"
code=0
wait $pid || code=$?
[ $code -eq 0 ] || fail "exit code $code: $(cat "$work/out.log")"
written="$(find "$home" -mindepth 1 | head -n 5)"
[ -z "$written" ] || fail "the program wrote: $written"
echo "smoke: passed"
