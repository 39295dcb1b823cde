#!/usr/bin/env bash
# The program as three kinds of desktop show it, each under a Xvfb of its own,
# saved into docs/screenshots/: the main window (the ARBITRAGE page with odds
# 2.10, 3.40 and 3.60 at a multiplier of 1000) and the live window with a game
# loaded,
#   scaled_200_*   at 200 % on a 1920x1080 screen (QT_SCALE_FACTOR=2, as a
#                  desktop's display scaling sets it),
#   font_13pt_*    with the desktop's font at 13 points (DejaVu Sans), and the
#                  PROBABILITY and ODDS pages too,
#   dark_*         with a dark palette,
# and the same ARBITRAGE page at the default settings (arbitrage_multiplier_1000).
#
# The font and the palette come as a real desktop gives them to a Qt program:
# through the qt6ct platform theme (QT_QPA_PLATFORMTHEME=qt6ct), which reads
# its settings from $XDG_CONFIG_HOME/qt6ct/qt6ct.conf; the dark palette is the
# "darker" colour scheme qt6ct ships. Only keys and clicks at places that do
# not move with the font are used: the figures are typed from the first cell,
# where the focus starts, Calculate sits at the window's bottom left, and the
# live window's first game lies under its list's header.
#
#   ORVANTA_BIN=build/release/bin scripts/screenshots-desktops.sh [NAME...]
#   (NAME: default, scaled_200, font_13pt, dark; all when none is given)
#   (scripts/screenshots.sh runs it after the default-settings pictures)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh
root=$(pwd)
out="$root/docs/screenshots"
mkdir -p "$out"
bin=$(realpath "${ORVANTA_BIN:?ORVANTA_BIN names the program folder}")

bash scripts/install-deps.sh xdotool imagemagick x11-utils qt6ct

key() { xdotool key --delay 40 "$@"; sleep 0.3; }
type_text() { xdotool type --delay 40 "$1"; sleep 0.1; }
shot() { sleep 0.7; import -window "$1" "$out/$2.png"; echo "saved docs/screenshots/$2.png"; }

# A live game with back and lay positions and the current odds.
game="2026_12_11;08-28;Panathinaikos - Olympiakos.lvo"
record=$'1.85;3.40;4.20;\r\n2;;;10;;;;;\r\n;;;;1.5;;;20;\r\n;3.4;;5;;;;;\r\n;;;;;;;;\r\n'

# run NAME SCREEN SCALE LIST_ROW_Y QT6CT_SETTINGS: starts the program, takes
# the pictures, ends it. LIST_ROW_Y is where, in the live window's logical
# pixels, the list's first game lies at that font.
run() {
    local name=$1 screen=$2 scale=$3 list_y=$4 settings=$5
    case " $only " in *" $name "*) ;; *) return ;; esac
    local work config display xvfb program
    work=$(mktemp -d)
    config=$(mktemp -d)
    cp -r "$bin"/. "$work/"
    mkdir -p "$work/LiveGameRecords" "$config/qt6ct"
    printf '%s' "$record" > "$work/LiveGameRecords/$game"
    display=":$((70 + RANDOM % 9))"
    Xvfb "$display" -screen 0 "${screen}x24" -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    sleep 1
    program=""
    if [ -n "$settings" ]; then
        printf '%s\n' "$settings" > "$config/qt6ct/qt6ct.conf"
    fi
    (
        cd "$work"
        export DISPLAY="$display" ASAN_OPTIONS=detect_leaks=0 LC_ALL=C.UTF-8
        export QT_SCALE_FACTOR="$scale" XDG_CONFIG_HOME="$config"
        if [ -n "$settings" ]; then export QT_QPA_PLATFORMTHEME=qt6ct; fi
        exec ./Orvanta
    ) >/dev/null 2>&1 &
    program=$!
    export DISPLAY="$display"
    local main
    main=$(wait_for_window "Version")
    # The update check runs a second after start; a box it may raise is closed.
    sleep 2.5
    local box
    if box=$(xdotool search --onlyvisible --name '^Orvanta$' 2>/dev/null | head -1) && [ -n "$box" ]; then
        xdotool windowactivate --sync "$box" key Return || true
        sleep 0.5
    fi
    # A click on the page beside its controls gives the window the keyboard
    # (there is no window manager to do it) and leaves the focus where it is.
    local width height
    width=$(xdotool getwindowgeometry --shell "$main" | sed -n 's/^WIDTH=//p')
    height=$(xdotool getwindowgeometry --shell "$main" | sed -n 's/^HEIGHT=//p')
    xdotool mousemove --window "$main" $((width - 12 * scale)) $((height / 2)) click 1
    sleep 0.3

    # ARBITRAGE is in front with the focus in its first cell.
    type_text "2.10"; key Return
    type_text "3.40"; key Return
    type_text "3.60"; key Return
    key Tab ctrl+a
    type_text "1000"
    xdotool mousemove --window "$main" $((20 * scale)) $((height - 10 * scale)) click 1
    sleep 0.3
    shot "$main" "${name}_main"
    if [ "$name" = font_13pt ]; then
        # Back from Calculate into the page, whose tabs Ctrl+Tab then turns.
        key shift+Tab ctrl+Tab
        shot "$main" "${name}_probability"
        key ctrl+Tab
        shot "$main" "${name}_odds"
    fi
    [ "$name" = default ] && { kill "$program" "$xvfb" 2>/dev/null || true; rm -rf "$work" "$config"; return; }

    # The live window from its menu item (F10, then right to it), its game loaded.
    key F10 Right Right Right Return
    local live
    live=$(wait_for_window '^Live Orvanta$')
    sleep 0.5
    xdotool mousemove --window "$live" $((60 * scale)) $((list_y * scale)) click 1
    sleep 0.3
    shot "$live" "${name}_live"
    kill "$program" "$xvfb" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    rm -rf "$work" "$config"
}

only="${*:-default scaled_200 font_13pt dark}"
fusion=$'[Appearance]\nstyle=Fusion\ncustom_palette=false'
run default 1280x1024 1 36 ""
if [ -f "$out/default_main.png" ]; then
    mv "$out/default_main.png" "$out/arbitrage_multiplier_1000.png"
    echo "renamed to docs/screenshots/arbitrage_multiplier_1000.png"
fi
run scaled_200 1920x1080 2 36 ""
run font_13pt 1280x1024 1 48 "$fusion"$'\n[Fonts]\ngeneral="DejaVu Sans,13,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"'
run dark 1280x1024 1 36 $'[Appearance]\nstyle=Fusion\ncustom_palette=true\ncolor_scheme_path=/usr/share/qt6ct/colors/darker.conf'
echo "done"
