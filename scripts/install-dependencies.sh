#!/usr/bin/env bash
# Installs the Debian packages the project builds, tests and runs with; skips what is present.
set -euo pipefail

packages=(
    build-essential cmake ninja-build
    qtbase5-dev libqt5svg5-dev qttools5-dev-tools
    libboost-dev
    libstb-dev libopenexr-dev qt5-image-formats-plugins
    xvfb xauth
    tzdata
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
