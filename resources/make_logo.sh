#!/usr/bin/env bash
# Draws the About box's logo, resources/orvanta_logo.png, with ImageMagick.
#
# The logo is a 100 x 56 picture that the About box stretches over its 308 x 149 top
# strip. It is drawn in the strip's own proportions (at twice its size) and then squeezed
# into 400 x 224, four times 100 x 56, so that it looks right, and sharp, once stretched.
#
#   resources/make_logo.sh
set -euo pipefail
cd "$(dirname "$0")"

font_bold=$(fc-match -f '%{file}' 'DejaVu Sans:bold')
font=$(fc-match -f '%{file}' 'DejaVu Sans')

convert -size 298x616 gradient:'#0d4a2b'-'#2a8f5f' -rotate 90 \
    -fill none -stroke 'rgba(255,255,255,0.13)' -strokewidth 4 \
    -draw 'line 470,0 470,298' -draw 'circle 470,149 470,219' \
    -stroke none -fill '#f2c14e' \
    -draw 'rectangle 36,206 62,250' \
    -draw 'rectangle 72,180 98,250' \
    -draw 'rectangle 108,146 134,250' \
    -draw 'rectangle 144,112 170,250' \
    -fill '#bfe1c5' -draw 'rectangle 28,250 182,255' \
    -stroke '#bfe1c5' -strokewidth 5 -fill none \
    -draw 'polyline 40,196 84,168 120,136 150,104' \
    -stroke '#1b1b1b' -strokewidth 3 -fill white -draw 'circle 162,72 162,34' \
    -stroke none -fill '#1b1b1b' \
    -draw 'polygon 162,60 173,68 169,81 155,81 151,68' \
    -stroke '#1b1b1b' -strokewidth 3 \
    -draw 'line 162,60 162,36' -draw 'line 173,68 196,60' -draw 'line 169,81 183,101' \
    -draw 'line 155,81 141,101' -draw 'line 151,68 128,60' \
    -stroke none -fill white -font "$font_bold" -pointsize 80 \
    -annotate +218+166 'Orvanta' \
    -fill '#bfe1c5' -font "$font" -pointsize 28 \
    -annotate +222+214 'betting calculators' \
    -resize '400x224!' -depth 8 -strip orvanta_logo.png
echo "wrote resources/orvanta_logo.png"
