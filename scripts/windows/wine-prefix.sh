#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Wine prefix WINEPREFIX ready for the program, once: Wine's own
# set-up without the Mono and Gecko prompts, and the Windows font names that
# the program's design uses mapped to the Liberation fonts (metric twins of
# Arial, Times New Roman and Courier New), as a Windows desktop has them.
set -euo pipefail
: "${WINEPREFIX:?set WINEPREFIX to the prefix to make}"
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ -f "$WINEPREFIX/.bandimor-ready" ] && exit 0

mkdir -p "$WINEPREFIX"
wineboot --init >/dev/null 2>&1
replacements='HKCU\Software\Wine\Fonts\Replacements'
for pair in "Arial=Liberation Sans" "Times New Roman=Liberation Serif" \
            "Courier New=Liberation Mono" "MS Sans Serif=Liberation Sans" \
            "Tahoma=Liberation Sans" "Microsoft Sans Serif=Liberation Sans"; do
    wine reg add "$replacements" /v "${pair%%=*}" /d "${pair#*=}" /f >/dev/null 2>&1
done
wineserver --wait
touch "$WINEPREFIX/.bandimor-ready"
