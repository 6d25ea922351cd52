#!/bin/sh
# Starts Vidolin on the desktop, or under a virtual X server where there is no display.
set -eu
program="$1"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$program"
fi
echo "No display found: starting Vidolin under Xvfb (virtual screen 1920x1200)."
# A window manager, where one is installed, gives the windows their title
# bars and closes as on a desktop.
exec xvfb-run -a -s "-screen 0 1920x1200x24" sh -c '
    if command -v openbox >/dev/null; then openbox --sm-disable >/dev/null 2>&1 & fi
    exec "$0"' "$program"
