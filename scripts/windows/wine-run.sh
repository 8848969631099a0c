#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows program of the build under Wine, as CTest's emulator of the
# Windows build:
#   wine-run.sh <Qt for Windows prefix> <Wine prefix> <program.exe> [args]
#
# Wine passes no QT_* variable to a Windows program, but passes WINEQT_* as
# QT_*, so each QT_* of the caller goes across under that name. QtTest's
# output would go to the Windows debug channel: QT_FORCE_STDERR_LOGGING brings
# it to standard error. The Wine prefix is the build's own, made by
# scripts/windows/wine-prefix.sh.
#
# Qt's offscreen platform on Windows reads its faces from the font files of
# one folder, QT_QPA_FONTDIR, rather than from the system: a folder in the
# prefix links the Liberation and DejaVu fonts that the Linux tests have.
set -euo pipefail
qt_prefix="$1"
export WINEPREFIX="$2"
shift 2

# Wine's drive Z: is the root of the Linux file system.
windows_path() { local path="${1//\//\\}"; echo "Z:$path"; }
mingw_runtime="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")"
WINEPATH="$(windows_path "$qt_prefix/bin");$(windows_path "$mingw_runtime")"
WINEPATH+=";$(windows_path /usr/x86_64-w64-mingw32/lib)"
export WINEPATH
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
export QT_FORCE_STDERR_LOGGING=1
fonts="$WINEPREFIX/offscreen-fonts"
if [ ! -d "$fonts" ]; then
    # Made aside and moved into place whole: tests may start side by side.
    made="$(mktemp -d "$WINEPREFIX/.offscreen-fonts.XXXXXX")"
    ln -s /usr/share/fonts/truetype/liberation2/*.ttf /usr/share/fonts/truetype/dejavu/*.ttf "$made/"
    mv -T "$made" "$fonts" 2>/dev/null || rm -rf "$made"
fi
export QT_QPA_FONTDIR="${QT_QPA_FONTDIR:-$(windows_path "$fonts")}"
while IFS='=' read -r name value; do
    export "WINE$name=$value"
done < <(env | grep -E '^QT_[A-Z0-9_]*=' || true)

exec wine "$@"
