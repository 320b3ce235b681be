#!/usr/bin/env bash
# Usage: xvfb_run.sh [--wm] xvfb_smoke.sh [--wm] PROGRAM [ARGUMENT...]   Checks the program's
# window (caption, client size, icon, outer window centred), closes it as a window manager does and
# expects exit code 0 and nothing written in its home. With --wm it is framed by xvfb_run.sh's
# window manager; else it is checked frameless and one comes to close it.
set -euo pipefail
[ "$1" = --wm ] && shift && wm=1 || wm=""
caption="Kestrum 1.2 (kestrum.example.org)"
work="$(mktemp -d)"
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "smoke: $*" >&2; exit 1; }
within_10s() { for _ in $(seq 100); do "$@" && return; sleep 0.1; done; false; }
outer() { # x y w h of the outer window: the window manager's frame, or the window itself
    outer=$(xwininfo -tree -id "$window" | awk -v w="$window" '/Root window id/ {r = $4}
        /Parent window id/ {p = $4} END {print p == r ? w : p}')
    read -r x y w h <<<"$(xwininfo -id "$outer" | awk '/Absolute|Width|Height/ {printf "%s ", $NF}')"
}
viewable() { xwininfo -id "$window" | grep -q IsViewable; }
centred() { outer && (((2 * x + w - 1280) ** 2 <= 4 && (2 * y + h - 1024) ** 2 <= 4)); }
shown() {
    kill -0 $pid 2>/dev/null || fail "program ended early: $(cat "$work/out.log")"
    info="$(xwininfo -name "$caption" 2>/dev/null)" && grep -q IsViewable <<<"$info" &&
        window="$(awk '/Window id/ {print $4}' <<<"$info")" && centred
}

home="$work/home" && mkdir "$home"
HOME="$home" XDG_CONFIG_HOME="$home/c" XDG_CACHE_HOME="$home/c" XDG_DATA_HOME="$home/d" \
    XDG_STATE_HOME="$home/s" "$@" >"$work/out.log" 2>&1 & pid=$!
within_10s shown || fail "no window \"$caption\" or not centred: ${w:-}x${h:-}+${x:-}+${y:-}"
[ "$([ "$outer" = "$window" ] || echo 1)" = "$wm" ] || fail "framed: $outer, window manager: ${wm:-none}"
size="$(awk '/Width/ {w=$NF} /Height/ {h=$NF} END {print w "x" h}' <<<"$info")"
[ "$size" = 395x576 ] || fail "client size $size, not 395x576"
xprop -id "$window" _NET_WM_ICON | grep -q 'Icon (32 x 32)' || fail "the window has no 32 x 32 icon"
if [ -n "$wm" ]; then
    # Only the first placement is the program's: moved, minimised and restored, the window stays.
    wmctrl -i -r "$window" -e 1,20,30,-1,-1 && wmctrl -i -r "$window" -b add,hidden
    within_10s eval '! viewable' && wmctrl -i -a "$window" && within_10s viewable && sleep 0.5 && outer
    [ "$x,$y" = 20,30 ] || fail "moved to 20,30, minimised and restored, the window is at $x,$y"
else
    HOME="$work" openbox --sm-disable >"$work/wm.log" 2>&1 & # a window manager, to close it
    within_10s eval 'wmctrl -l 2>/dev/null | grep -q "$caption"' || fail "openbox did not manage it"
fi
wmctrl -i -c "$window"
within_10s eval '! kill -0 $pid 2>/dev/null' || fail "the program did not end when its window was closed"
wait $pid || fail "exit code $?: $(cat "$work/out.log")"
[ -z "$(ls -A "$home")" ] || fail "the program wrote: $(ls -A "$home")"
