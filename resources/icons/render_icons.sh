#!/usr/bin/env bash
# Renders the icon's PNGs, resources/icons/orvanta-<size>.png, from orvanta.svg with
# rsvg-convert (librsvg2-bin). Up to 32 pixels the trend line and the ball's seams are
# left out: at those sizes they only blur the bars and the ball into a grey smear.
#
#   resources/icons/render_icons.sh
set -euo pipefail
cd "$(dirname "$0")"

if ! command -v rsvg-convert >/dev/null 2>&1; then
    bash ../../scripts/install-deps.sh librsvg2-bin
fi

small_css=$(mktemp --suffix=.css)
trap 'rm -f "$small_css"' EXIT
printf '.trend, .seams { display: none; }\n' >"$small_css"

for size in 16 22 24 32 48 64 128 256; do
    style=()
    if [ "$size" -le 32 ]; then
        style=(--stylesheet "$small_css")
    fi
    rsvg-convert "${style[@]}" --width "$size" --height "$size" orvanta.svg \
        --output "orvanta-$size.png"
    echo "wrote resources/icons/orvanta-$size.png"
done
