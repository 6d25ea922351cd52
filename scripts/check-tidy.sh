#!/bin/sh
# Runs clang-tidy 14 with the repository's .clang-tidy over every tracked
# source of the program, its tests, benchmarks and build tools, and fails on
# any finding.
#   scripts/check-tidy.sh [builddir]   (default: build-tidy; JOBS=n to limit)
# The build folder only needs its compile database and the moc output that
# sources include, so it is configured and its moc steps run, nothing built.
set -eu
cd "$(dirname "$0")/.."
BUILD=${1:-build-tidy}
JOBS=${JOBS:-$(nproc)}
TIDY=${CLANG_TIDY:-clang-tidy-14}

command -v "$TIDY" >/dev/null || {
    echo "check-tidy: $TIDY is missing (Debian package clang-tidy-14)" >&2
    exit 2
}

# A new folder gets Makefiles, whose moc steps can run on their own; cmake's
# <target>_autogen targets would first build every target they depend on.
generator=
[ -f "$BUILD/CMakeCache.txt" ] || generator="Unix Makefiles"
cmake -S . -B "$BUILD" ${generator:+-G "$generator"} -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
autogen=$(cd "$BUILD" && find . -path '*/CMakeFiles/*_autogen.dir/AutogenInfo.json' |
    sed 's|^\./||; s|/AutogenInfo\.json$||' | sort)
if [ -f "$BUILD/Makefile" ]; then
    echo "$autogen" | (cd "$BUILD" && xargs -P "$JOBS" -I{} \
        make --no-print-directory -s -f {}/build.make {}/build >/dev/null)
elif [ -n "$autogen" ]; then
    # shellcheck disable=SC2046
    cmake --build "$BUILD" -j "$JOBS" \
        --target $(echo "$autogen" | sed 's|.*/CMakeFiles/||; s|\.dir$||') >/dev/null
fi

logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT

# One log per source, so parallel runs never interleave their reports.
# shellcheck disable=SC2016
git ls-files -- '*.cpp' |
    grep -E '^(capture|controls|platform|publishing|scheduling|resources/tools|tests|bench)/' |
    xargs -P "$JOBS" -I{} sh -c '
        log="$1/$(printf %s "$3" | tr / _).log"
        "$2" -p "$4" --quiet --extra-arg=-Wno-unknown-warning-option "$3" >"$log" 2>&1 ||
            echo "$3" >"$log.failed"' sh "$logs" "$TIDY" {} "$BUILD" || true

failed=$(cat "$logs"/*.failed 2>/dev/null | sort) || true
if [ -z "$failed" ]; then
    echo "check-tidy: no findings"
    exit 0
fi

# Each finding once (a header's finding comes from every source including
# it), with its source line and notes, paths relative to the repository.
root=$(pwd)/
awk -v root="$root" '
    FNR == 1 { keep = 1 }  # whatever a source reports before its first finding
    /^[0-9]+ (warning|error)s? (generated|treated as errors)\.$/ { next }
    /^Suppressed [0-9]+ warnings|^Use -header-filter=|^Error while processing / { next }
    { while ((i = index($0, root)) > 0) $0 = substr($0, 1, i - 1) substr($0, i + length(root)) }
    /^[^ ]+:[0-9]+:[0-9]+: (warning|error): / { keep = !seen[$0]++; if (keep) n++ }
    keep { print }
    END { printf "\ncheck-tidy: %d finding(s)\n", n; exit n == 0 }' "$logs"/*.log ||
    { echo "check-tidy: clang-tidy failed without a finding on:"; echo "$failed" | sed 's/^/  /'; }
exit 1
