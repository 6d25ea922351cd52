#!/bin/sh
# Starts Vidolin on the desktop, or under a virtual X server where there is no display.
set -eu
program="$1"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$program"
fi
echo "No display found: starting Vidolin under Xvfb (virtual screen 1920x1200)."
exec xvfb-run -a -s "-screen 0 1920x1200x24" "$program"
