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
while IFS='=' read -r name value; do
    export "WINE$name=$value"
done < <(env | grep -E '^QT_[A-Z0-9_]*=' || true)

exec wine "$@"
