#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages that building, running and testing need,
# and only those that are missing; quick when everything is there.
set -euo pipefail

packages=(
    build-essential cmake
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins
    # chmcmd compiles the help file; enum_chmLib and extract_chmLib read it
    # back for the check of its contents.
    fp-utils libchm-bin
    # Fonts with the metrics of Arial, Times New Roman and Courier New.
    fonts-liberation2 fonts-dejavu-core
    # Qt's own texts (standard buttons, dialogs) in Russian: qtbase_ru.qm.
    qt6-translations-l10n
    # The window tests run under a virtual display with a window manager
    # (scripts/run-with-wm.sh) and ask the X server through xcb.
    xvfb xauth openbox x11-utils xdotool libxcb1-dev pkg-config
    # xrandr lays out virtual monitors on that display (two side by side).
    x11-xserver-utils
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
    if ! command -v sudo >/dev/null; then
        echo "These Debian packages are missing: ${missing[*]}" >&2
        echo "Ask an administrator (root) to install them with:" >&2
        echo "    apt-get update && apt-get install --no-install-recommends ${missing[*]}" >&2
        exit 1
    fi
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
