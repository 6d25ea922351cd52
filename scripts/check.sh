#!/bin/sh
# "make check": the checks that keep the code as it is meant to be, in order
# of their cost. Each stops the run at its first finding.
#   format   clang-format 14 over the tracked sources
#   warnings a build with -Wall -Wextra -Werror (build-check/)
#   tidy     clang-tidy 14 with .clang-tidy over that build's sources
#   asan     the whole suite under AddressSanitizer and UBSan (build-asan/)
#   tsan     the camera's tests under ThreadSanitizer (build-tsan/)
set -eu
cd "$(dirname "$0")/.."
JOBS=${JOBS:-$(nproc)}

step() { printf '\n== %s\n' "$1"; }

step "format"
./scripts/check-format.sh

step "warnings"
cmake -S . -B build-check -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVIDOLIN_WERROR=ON \
    -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
cmake --build build-check -j "$JOBS"

step "tidy"
./scripts/check-tidy.sh build-check

step "asan"
./scripts/check-sanitizers.sh asan

step "tsan"
./scripts/check-sanitizers.sh tsan

printf '\nAll checks passed.\n'
