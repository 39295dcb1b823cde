#!/usr/bin/env bash
# Checks the Debian package with the tools made for each part of it: the menu
# entry with desktop-file-validate, the AppStream data with appstreamcli (also
# against the icons and the menu entry beside it), the whole package with
# lintian. Fails on an error of any of them; lintian's warnings and notes are
# printed and let pass.
#
#   scripts/check-package.sh                      make package first
#   scripts/check-package.sh build/package/orvanta_2.3.2.55_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh

bash scripts/install-deps.sh desktop-file-utils appstream lintian

deb=$(package_argument check-package.sh "$@")

tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb --extract "$deb" "$tree"

failed=0
check() {  # check WHAT COMMAND...: runs the checker, notes a failure and goes on
    local what=$1
    shift
    echo "== $what"
    if ! "$@"; then
        echo "FAILED: $what" >&2
        failed=1
    fi
}

desktop_files=("$tree"/usr/share/applications/*.desktop)
metainfo_files=("$tree"/usr/share/metainfo/*.metainfo.xml)
if [ ! -f "${desktop_files[0]}" ] || [ ! -f "${metainfo_files[0]}" ]; then
    echo "the package holds no menu entry or no AppStream data" >&2
    exit 1
fi

check "desktop-file-validate" desktop-file-validate "${desktop_files[@]}"
check "appstreamcli validate" appstreamcli validate --no-net "${metainfo_files[@]}"
check "appstreamcli validate-tree" appstreamcli validate-tree --no-net "$tree"

# Every size the menu may ask for is there, under the name the entry gives.
icon=$(sed -n 's/^Icon=//p' "${desktop_files[0]}")
for size in scalable 16x16 22x22 24x24 32x32 48x48 64x64 128x128 256x256; do
    ext=png
    [ "$size" = scalable ] && ext=svg
    file="$tree/usr/share/icons/hicolor/$size/apps/$icon.$ext"
    if [ ! -f "$file" ]; then
        echo "FAILED: no icon $size/apps/$icon.$ext" >&2
        failed=1
    fi
done

# Root runs it in CI; lintian only warns about that.
check "lintian" lintian --allow-root --fail-on error --display-info "$deb"

if [ "$failed" -ne 0 ]; then
    echo "package check failed: $deb" >&2
    exit 1
fi
echo "package check passed: $deb"
