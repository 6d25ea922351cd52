#!/bin/sh
# Builds Vidolin with a sanitizer into a build folder of its own and runs tests
# under it:
#   check-sanitizers.sh asan [build dir]  every test under AddressSanitizer,
#                                         LeakSanitizer and UndefinedBehaviorSanitizer
#   check-sanitizers.sh tsan [build dir]  the camera's tests under ThreadSanitizer
# The build folder (relative to the repository unless absolute) defaults to
# build-asan or build-tsan beside build/.
# Every process the tests start reports into one folder, also the program
# that a test starts and whose output the test does not read; any report
# there, after the suppressions of scripts/sanitizers/, fails the run.
# JOBS sets the parallel compile jobs (default: every core).
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)

kind=${1:-}
case "$kind" in
    asan)
        flags="-fsanitize=address,undefined -fno-sanitize=vptr -fno-sanitize-recover=undefined"
        flags="$flags -fno-omit-frame-pointer"
        ;;
    tsan)
        flags="-fsanitize=thread -fno-omit-frame-pointer"
        # The camera hands frames from GStreamer's threads to the main thread.
        tests="CamCapture_test CameraMovieEnd_test CameraWindow_test"
        ;;
    *)
        echo "usage: $0 asan|tsan [build dir]" >&2
        exit 2
        ;;
esac
build=${2:-build-$kind}
case "$build" in /*) ;; *) build="$root/$build" ;; esac
jobs=${JOBS:-$(nproc)}
supp="$root/scripts/sanitizers"

# ThreadSanitizer's shadow memory needs a fixed address layout, which a
# kernel with many bits of mmap randomness does not give; the tests then run
# without address randomization (inherited by every process they start).
launcher=""
if [ "$kind" = tsan ] && setarch "$(uname -m)" -R true 2>/dev/null; then
    launcher="setarch $(uname -m) -R"
fi

# The layer check links shared libraries with --no-undefined, which the
# sanitizer runtimes (linked into executables only) would break.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVIDOLIN_LAYER_CHECK=OFF \
    "-DCMAKE_CXX_FLAGS=$flags" "-DCMAKE_EXE_LINKER_FLAGS=$flags" \
    "-DCMAKE_SHARED_LINKER_FLAGS=$flags" >/dev/null
if [ "$kind" = tsan ]; then
    # The bundle pictures are drawn during the build by a tool that gets the
    # same flags; it is no test, so its reports are not wanted here.
    # shellcheck disable=SC2086
    TSAN_OPTIONS=report_bugs=0 $launcher cmake --build "$build" -j "$jobs" --target $tests
else
    cmake --build "$build" -j "$jobs"
fi

reports=$(mktemp -d)
trap 'rm -rf "$reports"' EXIT

# Full stacks on every allocation: the fast unwinder stops in the system's
# libraries (built without frame pointers), and a leak whose stack stopped
# there could not be told apart from the libraries' own.
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:fast_unwind_on_malloc=0:malloc_context_size=40:log_path=$reports/asan"
export LSAN_OPTIONS="suppressions=$supp/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:suppressions=$supp/ubsan.supp:log_path=$reports/ubsan"
# Tests start helper programs from a process with threads; the child only
# runs exec, which ThreadSanitizer would refuse without die_after_fork=0.
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:die_after_fork=0:suppressions=$supp/tsan.supp:print_suppressions=0:log_path=$reports/tsan"
# GLib's slice allocator keeps its blocks in chunks of its own: a leaked
# block (a GStreamer message, a buffer) would stay reachable through the
# chunk and hidden from LeakSanitizer, and a block passed to another thread
# would look to ThreadSanitizer like a race between its old and new owner.
# Plain malloc shows the sanitizers each block's life.
export G_SLICE=always-malloc

run_tests() {
    if [ "$kind" = tsan ]; then
        # Only these tests, named exactly.
        set -- -R "^($(echo "$tests" | tr ' ' '|'))\$"
    else
        set --
    fi
    (cd "$build" && $launcher ctest --output-on-failure -j "$(nproc)" "$@")
}

status=0
run_tests || status=$?
if [ -n "$(ls -A "$reports")" ]; then
    for report in "$reports"/*; do
        echo "==== $(basename "$report")"
        cat "$report"
    done
    echo "$kind: the sanitizer reported the findings above" >&2
    status=1
fi
if [ "$status" -ne 0 ]; then
    echo "$kind: FAILED" >&2
else
    echo "$kind: passed"
fi
exit "$status"
