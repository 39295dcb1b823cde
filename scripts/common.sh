# Sourced by the scripts that drive the built program or its package.

# The package the script was given (at most one argument), or the one
# `make package` builds when none was; prints its absolute path. Ends the script
# with status 2 on wrong usage or when there is no such file.
package_argument() {
    local script=$1
    shift
    if [ $# -gt 1 ]; then
        echo "usage: scripts/$script [PACKAGE.deb]" >&2
        exit 2
    fi
    local deb
    if [ $# -eq 1 ]; then
        deb=$1
    else
        make package >&2
        local debs=(build/package/orvanta_*.deb)
        deb=${debs[0]}
    fi
    if [ ! -f "$deb" ]; then
        echo "no package at $deb" >&2
        exit 2
    fi
    realpath "$deb"
}

# wait_for_window TITLE-REGEX [TENTHS]: prints the id of the first visible
# window whose title matches, waiting up to TENTHS tenths of a second (10 s).
wait_for_window() {
    local tries=${2:-100}
    for _ in $(seq 1 "$tries"); do
        local id
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    echo "no window named $1" >&2
    return 1
}
