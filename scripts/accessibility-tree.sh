#!/usr/bin/env bash
# Starts Orvanta under Xvfb with the desktop's accessibility bus, as a screen
# reader would find it, opens the live window through its menu item, and prints
# the accessibility tree of both windows (scripts/accessibility_tree.py) with a
# count of the controls that have no name a person understands.
#
#   scripts/accessibility-tree.sh              build the release program first
#   ORVANTA_BIN=build/dev/bin scripts/accessibility-tree.sh   use an existing build
#   ORVANTA_LANGUAGE=Orvanta_EN.ini ...        start in that language
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/install-deps.sh at-spi2-core python3-pyatspi gir1.2-atspi-2.0 dbus
if [ -z "${ORVANTA_BIN:-}" ]; then
    cmake --preset release >/dev/null
    cmake --build --preset release -j "$(nproc)" >/dev/null
    ORVANTA_BIN=build/release/bin
fi

work=$(mktemp -d)
cp -r "$ORVANTA_BIN"/. "$work/"
if [ -n "${ORVANTA_LANGUAGE:-}" ]; then
    printf '%s\n' "$ORVANTA_LANGUAGE" > "$work/Orvanta.lang"
fi
export ORVANTA_WORK="$work" ORVANTA_ROOT="$root"
trap 'rm -rf "$work"' EXIT

# A session bus of its own, with the accessibility bus on it, for Orvanta and the reader.
dbus-run-session -- bash -c '
    set -euo pipefail
    display=":$((80 + RANDOM % 9))"
    Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    export DISPLAY="$display"
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    bus=$!
    sleep 1
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
    export ASAN_OPTIONS=detect_leaks=0 LC_ALL=C.UTF-8
    (cd "$ORVANTA_WORK" && exec ./Orvanta) >/dev/null 2>&1 &
    program=$!
    trap "kill $program $bus $xvfb 2>/dev/null || true" EXIT
    /usr/bin/python3 "$ORVANTA_ROOT/scripts/accessibility_tree.py" --open-live
'
