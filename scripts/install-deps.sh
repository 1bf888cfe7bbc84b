#!/usr/bin/env bash
# Installs every Debian package Plakko needs to build, test and run. Quick when all are present.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    libplist-dev libglib2.0-dev
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    libcairo2-dev libpixman-1-dev libpango1.0-dev fonts-urw-base35 fonts-liberation2
    libsleef-dev libsqlite3-dev
    libsdl2-dev nlohmann-json3-dev xvfb xauth
    ccache
    clang libclang-rt-dev
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
