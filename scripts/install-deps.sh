#!/usr/bin/env bash
# Installs, with apt-get, the Debian packages Orvanta needs that are missing.
# Nothing happens when everything is already there.
set -euo pipefail

packages=(
    g++ cmake make pkg-config clang-format git
    qt6-base-dev qt6-qpa-plugins libqt6svg6
    libicu-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth fonts-dejavu-core fonts-liberation2
)
# Extra packages asked for by a caller (make fuzz, make screenshots).
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null 2>&1; then
    sudo=(sudo)
else
    echo "These packages are missing and this user cannot install them: ${missing[*]}" >&2
    echo "Run as root: apt-get install ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
