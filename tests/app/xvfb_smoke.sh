#!/usr/bin/env bash
# Starts the program on the X server of DISPLAY, finds its window by caption, checks the client
# size and the icon, closes the window as a window manager would (WM_DELETE_WINDOW) and
# expects exit code 0.   Usage: xvfb_run.sh xvfb_smoke.sh PROGRAM [ARGUMENT...]
# The program runs with its home and XDG folders in an empty folder, which must stay empty:
# it writes nothing. Arguments given to it must change nothing.
set -euo pipefail
program="$1"
shift
caption="Kestrum 1.2 (kestrum.example.org)"
want_size="395x576"

work="$(mktemp -d)"
program_pid=""
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "smoke: $*" >&2; exit 1; }

home="$work/home"
mkdir "$home"
HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_CACHE_HOME="$home/.cache" \
    XDG_DATA_HOME="$home/.local/share" XDG_STATE_HOME="$home/.local/state" \
    "$program" "$@" >"$work/out.log" 2>&1 &
program_pid=$!

info=""
for _ in $(seq 150); do
    if info="$(xwininfo -name "$caption" 2>/dev/null)" && grep -q 'Map State: IsViewable' <<<"$info"; then
        break
    fi
    info=""
    kill -0 "$program_pid" 2>/dev/null || fail "program ended early: $(cat "$work/out.log")"
    sleep 0.1
done
[ -n "$info" ] || fail "no window captioned \"$caption\" (windows: $(xwininfo -root -tree | grep -c '"'))"

window="$(sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p' <<<"$info")"
width="$(sed -n 's/^ *Width: //p' <<<"$info")"
height="$(sed -n 's/^ *Height: //p' <<<"$info")"
[ "${width}x${height}" = "$want_size" ] || fail "client size ${width}x${height}, not $want_size"
xprop -id "$window" _NET_WM_ICON | grep -q 'Icon (32 x 32)' || fail "the window has no 32 x 32 icon"

python3 - "$window" <<'PY'
import ctypes
import sys

x = ctypes.CDLL("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XOpenDisplay.argtypes = [ctypes.c_char_p]
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
x.XFlush.argtypes = [ctypes.c_void_p]
x.XCloseDisplay.argtypes = [ctypes.c_void_p]


class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]


class Event(ctypes.Union):
    _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]


display = x.XOpenDisplay(None)
if not display:
    sys.exit("cannot open the display")
window = int(sys.argv[1], 16)
event = Event()
event.xclient.type = 33  # ClientMessage
event.xclient.window = window
event.xclient.message_type = x.XInternAtom(display, b"WM_PROTOCOLS", 0)
event.xclient.format = 32
event.xclient.data[0] = x.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
event.xclient.data[1] = 0  # CurrentTime
x.XSendEvent(display, window, 0, 0, ctypes.byref(event))
x.XFlush(display)
x.XCloseDisplay(display)
PY

for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$program_pid" 2>/dev/null && fail "the program did not end when its window was closed"
code=0
wait "$program_pid" || code=$?
program_pid=""
[ "$code" -eq 0 ] || fail "exit code $code: $(cat "$work/out.log")"
written="$(find "$home" -mindepth 1 | head -n 5)"
[ -z "$written" ] || fail "the program wrote: $written"
echo "smoke: passed"
