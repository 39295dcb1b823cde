#!/usr/bin/env bash
# Time to the first window and resident memory at that moment, for the release
# build, against the floor program of ../shared/perf/startup.sh (an empty Qt
# main window with four tabbed tables), alternating under one private Xvfb.
#
#   scripts/bench-startup.sh [RUNS]     (default 11)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-11}
measure=${ORVANTA_STARTUP_SCRIPT:-../shared/perf/startup.sh}
if [ ! -f "$measure" ]; then
    echo "No $measure beside the project: the start-up benchmark needs it." >&2
    exit 1
fi
bash scripts/install-deps.sh libx11-dev
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" >/dev/null
# The program writes beside itself: it runs from a copy, with the files' times
# kept, as an installed or unpacked program has them.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -rp build/release/bin/. "$work/"
bash "$measure" "$work/Orvanta" "$runs"
