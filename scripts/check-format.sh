#!/bin/sh
# Fails when a tracked C++ source differs from what clang-format 14 makes of
# it. The version is pinned because other versions format differently.
set -eu
cd "$(dirname "$0")/.."

FORMAT=clang-format-14
if ! command -v "$FORMAT" >/dev/null; then
    echo "$FORMAT is missing: run scripts/install-deps.sh" >&2
    exit 1
fi
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    files=$(git ls-files '*.cpp' '*.h')
else
    files=$(find bench capture controls platform publishing resources scheduling tests \
        -name '*.cpp' -o -name '*.h')
fi
# shellcheck disable=SC2086
"$FORMAT" --dry-run -Werror $files
echo "format: $(echo "$files" | wc -w) files as clang-format 14 writes them"
