#!/usr/bin/env bash
# Installs with apt-get what the build, the tests and the program need on
# Debian 12. Does nothing when everything is already there.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config python3
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-svg-dev libqt6svg6 qt6-image-formats-plugins libx11-dev
    libeigen3-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    fonts-dejavu-core
    xvfb xauth x11-utils xdotool imagemagick poppler-utils
    dpkg-dev file locales desktop-file-utils shared-mime-info
    clang-14 libclang-rt-14-dev
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
