#!/bin/sh
# Runs one test program on the X11 plugin under an Xvfb and an openbox of its
# own (a small 1366 x 768 screen), and stops both afterwards.
#   with-openbox.sh <test program> [arguments]
set -u
work=$(mktemp -d)
xvfb=""
wm=""
cleanup() {
    [ -n "$wm" ] && kill "$wm" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Waits up to a minute for a condition, also on a busy machine.
wait_for() {
    i=0
    while ! eval "$1"; do
        i=$((i + 1))
        if [ "$i" -gt 600 ]; then return 1; fi
        sleep 0.1
    done
}

# Xvfb picks a free display itself and names it once it accepts clients.
Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
if ! wait_for '[ -s "$work/display" ]'; then
    echo "Xvfb did not start:"; cat "$work/xvfb.log"; exit 1
fi
DISPLAY=":$(head -n 1 "$work/display")"
export DISPLAY

openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm=$!
if ! wait_for 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"'; then
    echo "openbox did not start:"; cat "$work/openbox.log"; exit 1
fi

QT_QPA_PLATFORM=xcb "$@"
status=$?
exit $status
