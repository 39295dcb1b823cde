#!/usr/bin/env bash
# Starts the program, or says in one line why it cannot.
set -euo pipefail
program="$1"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: Orvanta is a desktop program; run it inside a graphical session (or set DISPLAY)." >&2
    exit 1
fi
exec "$program"
