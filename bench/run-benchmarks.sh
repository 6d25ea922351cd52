#!/bin/sh
# Runs every benchmark program of a build under a virtual X display and prints
# their figures. Usage: bench/run-benchmarks.sh BUILD_DIR
set -eu

BUILD=${1:-build}
BIN="$BUILD/bin"
if [ ! -d "$BIN" ]; then
    echo "No build in $BUILD: build first (make build)." >&2
    exit 1
fi

# A screen large enough for the biggest camera window (1290 x 1034).
XVFB="xvfb-run -a -s \"-screen 0 1920x1200x24\""
status=0
for bench in "$BIN"/*_bench; do
    [ -x "$bench" ] || continue
    echo "== $(basename "$bench")"
    eval "$XVFB" env QT_QPA_PLATFORM=xcb "$bench" || status=1
    echo
done
exit $status
