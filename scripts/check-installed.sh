#!/usr/bin/env bash
# Installs the Debian package on this machine and uses it as a user would:
#   - apt-get install ./orvanta_*.deb;
#   - orvanta-calc --version and one calculation from /usr/bin;
#   - a fresh ordinary user starts the program from its menu entry's Exec line
#     under Xvfb: the Greek captions show (the catalogue found in
#     /usr/share/orvanta), and a live game made through the window lands in
#     ~/.local/share/orvanta/LiveGameRecords/;
#   - nothing new under /usr after all that;
#   - apt-get purge, and nothing of the package left under /usr.
# The captions come from the program itself: with ORVANTA_PRINT_CAPTIONS set it
# prints "object name<TAB>caption" for each control of its main window once
# that is up, and ends. What the run saw (the captions, pictures of the main
# window and of the live window with the new game) is kept in
# build/installed-check/.
#
# For a CI machine: runs as root on Debian, and adds and removes a user and the
# package. Stops at once if the package is installed already.
#
#   scripts/check-installed.sh                      make package first
#   scripts/check-installed.sh build/package/orvanta_2.3.2.55_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh
root=$(pwd)

if [ "$(id -u)" -ne 0 ] || [ ! -f /etc/debian_version ]; then
    echo "check-installed.sh installs a package and adds a user: run it as root on Debian" >&2
    exit 2
fi
deb=$(package_argument check-installed.sh "$@")
if dpkg-query -W -f='${Status}' orvanta 2>/dev/null | grep -q "install ok installed"; then
    echo "orvanta is installed already; remove it first (apt-get purge orvanta)" >&2
    exit 2
fi

bash scripts/install-deps.sh xvfb xauth xdotool imagemagick

out="$root/build/installed-check"
rm -rf "$out"
mkdir -p "$out"
work=$(mktemp -d)
chmod 755 "$work"
user="orvcheck$$"
installed=0

cleanup() {
    set +e
    if id "$user" >/dev/null 2>&1; then
        # A program the user left running (a failed run) would keep userdel off.
        pkill -KILL -u "$user" 2>/dev/null
        sleep 0.5
        userdel --remove "$user" 2>/dev/null
    fi
    chown -R root:root "$out" 2>/dev/null
    if [ "$installed" -eq 1 ]; then
        DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq orvanta >/dev/null 2>&1
    fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

# Everything under /usr, owner and mode too, so that a file rewritten in place
# shows as well as a new one.
list_usr() {
    find /usr -xdev -printf '%p\t%y %m %u %s %T@\n' | LC_ALL=C sort
}

# -- install ------------------------------------------------------------------
dpkg-query -W -f='${Package}\n' | LC_ALL=C sort >"$work/packages-before"
list_usr >"$work/usr-before-install"
echo "== apt-get install $deb"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
installed=1
dpkg-query -W -f='${Package}\n' | LC_ALL=C sort >"$work/packages-after"
dpkg -L orvanta | LC_ALL=C sort >"$work/package-files"
list_usr >"$work/usr-installed"

for file in /usr/bin/Orvanta /usr/bin/orvanta-calc /usr/share/orvanta/Orvanta_GR.ini \
    /usr/share/orvanta/Orvanta_GRHelp.htm; do
    [ -f "$file" ] || fail "the package installed no $file"
done

# -- the command line, as root --------------------------------------------------
echo "== orvanta-calc from /usr/bin"
version=$(/usr/bin/orvanta-calc --version) || fail "orvanta-calc --version"
echo "$version"
[[ "$version" == "orvanta-calc "[0-9]* ]] || fail "orvanta-calc --version printed '$version'"
calc=$(/usr/bin/orvanta-calc --separator . arbitrage 2.5 1.8) || fail "orvanta-calc arbitrage"
# Odds of 2.5 and 1.8 leave a sure profit of 4.62 %.
grep -q "4\.62%" <<<"$calc" || fail "orvanta-calc arbitrage 2.5 1.8 printed: $calc"
echo "arbitrage 2.5 1.8: sure profit 4.62%"

# -- the window, as a new user ------------------------------------------------
useradd --create-home --shell /bin/bash "$user"
home=$(getent passwd "$user" | cut -d: -f6)
[ ! -e "$home/.local/share/orvanta" ] || fail "the new home already holds orvanta's folder"

desktop=$(grep -x '/usr/share/applications/.*\.desktop' "$work/package-files" | head -1)
[ -n "$desktop" ] || fail "the package installed no menu entry"
exec_line=$(sed -n 's/^Exec=//p' "$desktop" | head -1 | sed 's/ *%[a-zA-Z]//g')
program=$(runuser -l "$user" -c "command -v ${exec_line%% *}")
[ "$program" = /usr/bin/Orvanta ] || fail "the menu entry's Exec=$exec_line starts '$program'"

cat >"$work/as-user.sh" <<'USER'
#!/usr/bin/env bash
# Inside Xvfb, as the new user: the captions, then a live game made through
# the window, then a picture of it.
set -euo pipefail
. "$(dirname "$0")/common.sh"
exec_line=$1
out=$2
export LC_ALL=C.UTF-8

ORVANTA_PRINT_CAPTIONS=1 $exec_line >"$out/captions.txt"

$exec_line >"$out/program.log" 2>&1 &
program=$!
trap 'kill "$program" 2>/dev/null || true' EXIT

wait_for() {  # wait_for TITLE-REGEX: as wait_for_window, with a picture of the screen on failure
    wait_for_window "$1" 150 || {
        import -window root "$out/failed.png" || true
        return 1
    }
}
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.3; }

main=$(wait_for "Version")
xdotool windowmove "$main" 0 0
sleep 0.5
import -window root "$out/main-window.png"
# The menu bar's Live Orvanta, then the live window's New, at the program's fonts.
click "$main" 268 8
live=$(wait_for '^Live Orvanta$')
xdotool windowmove "$live" 0 0
sleep 0.3
click "$live" 43 547
newgame=$(wait_for '^(Νέος Αγώνας Live|New Live Game)$')
click "$newgame" 190 77
xdotool type --delay 40 "Installed - Check"
sleep 0.2
click "$newgame" 182 112
sleep 1
import -window root "$out/installed.png"
USER
install -m 644 scripts/common.sh "$work/common.sh"
chmod 755 "$work/as-user.sh"
chown "$user" "$out"

echo "== $exec_line as $user under Xvfb"
runuser -l "$user" -c "xvfb-run -a -s '-screen 0 1280x1024x24 -nolisten tcp' \
    bash $work/as-user.sh '$exec_line' '$out'" || fail "the program's run as $user"

# Greek captions, read from /usr/share/orvanta.
for caption in $'TSParlayBetting\tΠΑΡΟΛΙ' $'TSArbitrage\tΑΡΜΠΙΤΡΑΖ' $'BitBtn1\tΥπολογισμός'; do
    grep -qxF "$caption" "$out/captions.txt" || {
        cat "$out/captions.txt" >&2
        fail "no caption '$caption'"
    }
done
echo "Greek captions shown: $(wc -l <"$out/captions.txt") controls"

records=$(find "$home/.local/share/orvanta/LiveGameRecords" -type f -name '*Installed - Check*' \
    -user "$user" 2>/dev/null)
[ -n "$records" ] || fail "no live game record under $home/.local/share/orvanta/LiveGameRecords/"
echo "live game record: $records"
[ "$(stat -c %a "$home/.local/share/orvanta")" = 700 ] ||
    fail "$home/.local/share/orvanta is not the user's alone"

list_usr >"$work/usr-used"
if ! diff "$work/usr-installed" "$work/usr-used" >"$work/usr-changes"; then
    cat "$work/usr-changes" >&2
    fail "the programs changed something under /usr"
fi
echo "nothing new under /usr"

# -- remove -------------------------------------------------------------------
echo "== apt-get purge orvanta"
DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq orvanta >/dev/null
installed=0
left=0
while read -r path; do
    # Folders such as /usr/share/applications belong to other packages too.
    if [ -d "$path" ]; then
        [[ "$path" != *orvanta* ]] && continue
    elif [ ! -e "$path" ] && [ ! -L "$path" ]; then
        continue
    fi
    echo "left behind: $path" >&2
    left=1
done <"$work/package-files"
[ "$left" -eq 0 ] || fail "the package left files under /usr"

# No path under /usr that was not there before the install, apart from the
# files of packages apt-get brought in as dependencies, which stay. (Caches
# that the install's triggers rebuilt, such as the icon cache, are there still
# and may differ: only names count here.)
deps=$(LC_ALL=C comm -13 "$work/packages-before" "$work/packages-after" | grep -vx orvanta || true)
for dep in $deps; do
    dpkg -L "$dep" 2>/dev/null
done | LC_ALL=C sort -u >"$work/dependency-files"
cut -f1 "$work/usr-before-install" | LC_ALL=C sort >"$work/paths-before"
list_usr | cut -f1 | LC_ALL=C sort >"$work/paths-after-purge"
LC_ALL=C comm -13 "$work/paths-before" "$work/paths-after-purge" |
    LC_ALL=C comm -23 - "$work/dependency-files" >"$work/usr-left"
if [ -s "$work/usr-left" ]; then
    cat "$work/usr-left" >&2
    fail "new under /usr after the package was removed"
fi
echo "nothing of the package left under /usr"
echo "installed-package check passed: $deb"
