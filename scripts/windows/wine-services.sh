#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts or stops the Wine prefix's own services around a test run:
#   wine-services.sh start|stop <Wine prefix>
#
# Wine starts its services (services.exe, winedevice.exe, ...) with the first
# Windows program of a prefix, and they inherit that program's standard
# output. In a parallel CTest run they would live until the last test ends,
# and CTest, which waits until a test's output closes, would count the whole
# run as the first test's time and time it out once the run outlasts its
# limit. Started here, with no test's output, by a server that stays until
# "stop", they hold nothing of a test's.
set -euo pipefail
export WINEPREFIX="$2" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
case "$1" in
    start)
        wineserver --persistent </dev/null >/dev/null 2>&1
        wine wineboot </dev/null >/dev/null 2>&1
        ;;
    stop)
        wineserver --kill || true
        wineserver --wait || true
        ;;
    *)
        echo "usage: $0 start|stop <Wine prefix>" >&2
        exit 2
        ;;
esac
