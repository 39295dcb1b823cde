#!/usr/bin/env bash
# Starts Orvanta under Xvfb in a scratch copy of its program folder, drives it
# as a user would (xdotool: switch pages, type figures, Calculate, open the help
# in both languages and the About box) and saves a PNG of each page and window
# into docs/screenshots/; then scripts/screenshots-desktops.sh adds the same
# windows at 200 %, with a 13-point font and with a dark palette.
#
#   scripts/screenshots.sh              build the release program first
#   ORVANTA_BIN=build/dev/bin scripts/screenshots.sh   use an existing build
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh
root=$(pwd)
out="$root/docs/screenshots"
mkdir -p "$out"

bash scripts/install-deps.sh xdotool imagemagick x11-utils
if [ -z "${ORVANTA_BIN:-}" ]; then
    cmake --preset release >/dev/null
    cmake --build --preset release -j "$(nproc)" >/dev/null
    ORVANTA_BIN=build/release/bin
fi

work=$(mktemp -d)
cp -r "$ORVANTA_BIN"/. "$work/"
display=":$((90 + RANDOM % 9))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY="$display"
cleanup() {
    kill "$program" "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
program=""
trap cleanup EXIT
sleep 1

export ASAN_OPTIONS=detect_leaks=0
export LC_ALL=C.UTF-8
(cd "$work" && exec ./Orvanta) >/dev/null 2>&1 &
program=$!

click() { xdotool mousemove --window "$main" "$1" "$2" click 1; sleep 0.2; }
type_text() { xdotool type --delay 40 "$1"; sleep 0.1; }
key() { xdotool key --delay 40 "$@"; sleep 0.2; }
shot() { sleep 0.5; import -window "$1" "$out/$2.png"; echo "saved docs/screenshots/$2.png"; }

main=$(wait_for_window "Version")
xdotool windowmove "$main" 0 0
# The update check runs a second after start; a box it may raise is closed.
sleep 2.5
if box=$(xdotool search --onlyvisible --name '^Orvanta$' 2>/dev/null | head -1) && [ -n "$box" ]; then
    xdotool windowactivate --sync "$box" key Return || true
    sleep 0.5
fi

# Positions inside the main window (menu bar included), at the program's fonts.
calculate() { click 70 458; }

# ARBITRAGE: two bookmakers' odds, scale mode.
click 103 108
type_text "2.5"; key Return
type_text "1.8"; key Return
calculate
shot "$main" arbitrage

# The same page at real books: 2 % commission on outcome 1, at most 50 on
# outcome 2, stakes in whole units, and a free bet of 50 (stake not returned)
# at 3 laid at 3.05 with 5 % commission.
click 108 168
type_text "2"; key Return
click 158 126
type_text "50"; key Return
click 230 310
type_text "1"
for box in "129 354 50" "275 354 3" "423 354 3.05" "570 354 5"; do
    set -- $box
    click "$1" "$2"
    type_text "$3"
done
click 216 378
key Down Return
calculate
shot "$main" arbitrage_real_books_gr

# PARLAY BETTING: three selections, the third lost, stakes on singles, doubles, treble.
click 40 33
click 80 79
type_text "2"; key Return
type_text "1.5"; key Return
type_text "3"; key Return
click 150 121
click 272 79
type_text "10"; key Return
type_text "10"; key Return
type_text "5"; key Return
calculate
shot "$main" parlay

# PROBABILITY: a 1X2 book.
click 205 33
click 123 109
type_text "2.10"; key Return
type_text "3.40"; key Return
type_text "3.50"; key Return
calculate
shot "$main" probability

# The same book by Shin's method, with another bookmaker's prices on 1 and 3
# staked by Kelly from a bankroll of 1000; then back to the default method,
# which the live window shares.
probability_method() {
    click 129 168
    type_text "2.40"; key Return
    click 193 168
    type_text "4"; key Return
    click 331 308
    key ctrl+a
    type_text "1000"
    click 341 252
    key Down Down Down Return
    calculate
}
proportional_again() { click 341 252; key Up Up Up Return; }
probability_method
shot "$main" probability_method_gr
proportional_again

# ODDS: two teams' records with a 6 % margin.
click 300 33
for cell in "277 89 10" "362 89 5" "447 89 5" "277 110 6" "362 110 6" "447 110 8"; do
    set -- $cell
    click "$1" "$2"
    type_text "$3"
done
click 453 141
key ctrl+a
type_text "6"
calculate
shot "$main" odds

# The converter under the prices: a price typed into its Decimal box.
click 68 333
key ctrl+a
type_text "2.33"
shot "$main" odds_converter_gr

# BET SLIP: a Lucky 15 each way, the second leg Lost (Space on its result), the
# third Placed at a fifth of the odds.
click 380 33
click 60 99
type_text "3/2"; key Return
type_text "3"; key Return
type_text "4"; key Return
type_text "1.8"; key Return
click 60 117
key Right space space
click 60 135
key Right space
click 361 135
type_text "1/5"; key Return
click 544 86
key End Up Up Up Up Up Up Return
click 536 117
type_text "1"
click 504 146
calculate
shot "$main" bet_slip_gr
click 300 33

# The live betting window: a new game, three positions and the current odds.
click 268 8
live=$(wait_for_window '^Live Orvanta$')
xdotool windowmove "$live" 0 0
sleep 0.3
lclick() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.3; }
lclick "$live" 43 547
newgame=$(wait_for_window '^(Νέος Αγώνας Live|New Live Game)$')
lclick "$newgame" 190 77
type_text "Panathinaikos - Olympiakos"
lclick "$newgame" 182 112
lclick "$live" 60 36
lclick "$live" 305 57
type_text "2"; key Return; type_text "10"; key Return
lclick "$live" 493 78
type_text "1.5"; key Return; type_text "20"; key Return
lclick "$live" 346 99
type_text "3.4"; key Return; type_text "5"; key Return
lclick "$live" 124 456
type_text "1.85"; key Return; type_text "3.40"; key Return; type_text "4.20"; key Return
shot "$live" live
lclick "$live" 821 547
xdotool windowactivate --sync "$main" 2>/dev/null || true
click 300 33

# The help window: F1 on the ODDS page opens the Greek page at its section.
close_help() { xdotool mousemove --window "$1" 634 462 click 1; sleep 0.5; }
key F1
help=$(wait_for_window '^Βοήθεια Orvanta$')
shot "$help" help_gr
close_help "$help"

# English from the Language submenu, the last item of the Help menu; then F1 on the
# PARLAY BETTING page.
click 334 8
key Up Right Down Return
sleep 0.5
# The converter in English (the ODDS page stays in front), a price typed again.
click 68 333
key ctrl+a
type_text "2.33"
shot "$main" odds_converter_en
# The same slip in English.
click 400 30
shot "$main" bet_slip_en
click 337 30
click 40 33
key F1
help=$(wait_for_window '^Orvanta Help$')
shot "$help" help_en
close_help "$help"

# The PROBABILITY page by Shin's method, in English.
click 259 33
click 341 252
key Down Down Down Return
calculate
shot "$main" probability_method_en
proportional_again

# The ARBITRAGE page at real books, as the Greek scene left it, in English.
click 170 33
calculate
shot "$main" arbitrage_real_books_en

# The live window in English, its one game loaded, the suggestions net of an
# exchange's 2 % commission; the commission is set back to 0 after.
click 183 8
live=$(wait_for_window '^Live Orvanta$')
xdotool windowmove "$live" 0 0
sleep 0.5
lclick "$live" 557 411
key ctrl+a
type_text "2"
shot "$live" live_suggestion_en
key ctrl+a
type_text "0"
lclick "$live" 821 547
xdotool windowactivate --sync "$main" 2>/dev/null || true

# The About box, the Help menu's second item.
click 241 8
key Down Down Return
about=$(wait_for_window '^About Orvanta$')
shot "$about" about
xdotool mousemove --window "$about" 157 377 click 1
sleep 0.3
kill "$program" 2>/dev/null || true

# The same program on a scaled screen, with a large font and with a dark palette.
ORVANTA_BIN="$ORVANTA_BIN" bash scripts/screenshots-desktops.sh

echo "done"
