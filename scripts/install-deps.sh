#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need,
# and only those that are missing; quick when everything is there.
set -euo pipefail

packages=(
    build-essential cmake
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins
    # chmcmd compiles the help file.
    fp-utils
    # Fonts with the metrics of Arial, Times New Roman and Courier New.
    fonts-liberation2 fonts-dejavu-core
    # The window-free tests also run under memcheck.
    valgrind
)
packages+=("$@")

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
