#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian package into a fresh Debian 12 tree made with
# debootstrap and starts the program there, offscreen, as an ordinary user.
# Not part of the test run; needs root (debootstrap, chroot) and the network
# (the Debian mirror that apt uses here). Takes several minutes.
#
#   scripts/try-package-in-debootstrap.sh [package.deb]
#
# Without an argument it takes the .deb that scripts/package.sh made
# (build-release/packages/), making it first when there is none.
#
# It passes when the program, started from the installed /usr/bin/bandimor,
# is still running after a few seconds (nothing failed at start-up) and has
# created its settings folder ~/.config/bandimor: the main window makes that
# folder when it is created, because the user cannot write the program's
# folder /usr/lib/bandimor. The tree is removed afterwards unless KEEP_TREE=1.
set -euo pipefail
cd "$(dirname "$0")/.."

[ "$(id -u)" -eq 0 ] || { echo "Run as root: debootstrap and chroot need it." >&2; exit 2; }
bash scripts/install-deps.sh debootstrap

deb="${1:-}"
if [ -z "$deb" ]; then
    deb="$(ls build-release/packages/bandimor_*.deb 2>/dev/null | head -n 1 || true)"
    if [ -z "$deb" ]; then
        bash scripts/package.sh
        deb="$(ls build-release/packages/bandimor_*.deb | head -n 1)"
    fi
fi
deb="$(realpath "$deb")"
echo "Package: $deb"

# The Debian mirror apt uses here (deb822 or one-line sources).
mirror="$(grep -hoE 'https?://[^ ]*/debian/?( |$)' /etc/apt/sources.list /etc/apt/sources.list.d/*.sources \
              /etc/apt/sources.list.d/*.list 2>/dev/null | head -n 1 | tr -d ' ' || true)"
mirror="${mirror:-http://deb.debian.org/debian}"
echo "Mirror: $mirror"

tree="$(mktemp -d /var/tmp/bandimor-debian12.XXXXXX)"
# The tree's root is the user's /: it must be open to all, as / is.
chmod 755 "$tree"
cleanup() {
    for mounted in "$tree/dev/pts" "$tree/dev" "$tree/proc"; do
        mountpoint -q "$mounted" && umount -l "$mounted"
    done
    if [ "${KEEP_TREE:-0}" = 1 ]; then echo "Tree kept: $tree"; else rm -rf "$tree"; fi
}
trap cleanup EXIT

echo "== debootstrap bookworm (minbase) into $tree"
debootstrap --variant=minbase bookworm "$tree" "$mirror" >"$tree.log" 2>&1 \
    || { tail -n 30 "$tree.log" >&2; exit 1; }
rm -f "$tree.log"
mount -t proc proc "$tree/proc"
mount --bind /dev "$tree/dev"
mount --bind /dev/pts "$tree/dev/pts"

echo "== apt-get install ./$(basename "$deb")"
cp "$deb" "$tree/tmp/"
in_tree() { chroot "$tree" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }
in_tree apt-get update -q >/dev/null
in_tree env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -q --no-install-recommends "/tmp/$(basename "$deb")" | tail -n 3

echo "== installed files"
in_tree dpkg -L bandimor | grep -E 'bin/bandimor|lib/bandimor/|\.desktop|metainfo|256x256'

echo "== starting bandimor offscreen as an ordinary user"
in_tree useradd --create-home radio
status=0
chroot --userspec=radio:radio "$tree" env -i HOME=/home/radio PATH=/usr/bin:/bin LANG=C.UTF-8 \
    QT_QPA_PLATFORM=offscreen timeout 10 bandimor >"$tree/tmp/run.log" 2>&1 || status=$?
cat "$tree/tmp/run.log"
if [ "$status" -ne 124 ]; then
    echo "FAILED: bandimor ended by itself with status $status" >&2
    exit 1
fi
if [ ! -d "$tree/home/radio/.config/bandimor" ]; then
    echo "FAILED: bandimor did not reach its main window (no ~/.config/bandimor)" >&2
    exit 1
fi
echo "OK: bandimor installed from the package starts in a fresh Debian 12 tree and keeps"
echo "    its settings in ~/.config/bandimor (it was running when stopped after 10 s)."
