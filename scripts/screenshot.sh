#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes a screenshot of one of the program's windows, frame included, under
# a virtual X display with a window manager (scripts/run-with-wm.sh) and
# saves it as docs/screenshots/<window>-window.png, or with "dark" as
# docs/screenshots/<window>-window-dark.png under a dark desktop palette
# (qt6ct's "darker" colour scheme, as a user of a dark theme has it).
#
#   scripts/screenshot.sh [main|coil|coil-turns|coil-wire|about] [light|dark]
#
# "coil" shows the coil window's first tab with two results in its log,
# "coil-turns" and "coil-wire" its second and third tab, selected through
# the settings file.
#
# The program runs from a temporary copy of the build's bin folder, so the
# settings file it writes does not end up in the build. BUILD_DIR picks the
# build folder (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."

window="${1:-main}"
theme="${2:-light}"
build_dir="${BUILD_DIR:-build}"
case "$theme" in
    light) output="docs/screenshots/${window}-window.png" ;;
    dark)  output="docs/screenshots/${window}-window-dark.png" ;;
    *)     echo "Unknown theme '$theme' (light, dark)" >&2; exit 2 ;;
esac

bash scripts/install-deps.sh imagemagick $([ "$theme" = dark ] && echo qt6ct)

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# The logs in the screenshots are killed unsaved: their recovery files go to
# the throw-away folder, not to the user's, where the next start would offer them.
export XDG_STATE_HOME="$work/state"
source scripts/program-copy.sh
program_copy "$build_dir" "$work"
mkdir -p "$(dirname "$output")"
# The tab the coil window opens on, as a user's last run left it.
case "$window" in
    coil-turns) printf '[Settings]\r\nPage_control=1\r\n' >"$work/bin/bandimor.ini" ;;
    coil-wire)  printf '[Settings]\r\nPage_control=2\r\n' >"$work/bin/bandimor.ini" ;;
esac

# Runs inside the virtual display: start the program, open the window
# wanted, capture it.
cat >"$work/capture.sh" <<'CAPTURE'
#!/usr/bin/env bash
set -euo pipefail
window="$1"; program="$2"; output="$3"

# Waits for a window whose title matches and prints its id.
find_window() {
    local title="$1" id=""
    for _ in $(seq 50); do
        id="$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n 1 || true)"
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    echo "No window titled '$title' appeared" >&2
    return 1
}

# Asks the window manager to activate the window and waits until it is.
focus_window() {
    xdotool windowactivate --sync "$1" || true
    sleep 0.3
}

"$program" &
pid=$!
# Ended before the virtual display goes away, which it would not survive.
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true' EXIT

main_id="$(find_window '^Bandimor v 1\.7')"
# The splash leaves 2 s after start; give it some slack.
sleep 3

case "$window" in
    main)
        target="$main_id"
        ;;
    coil|coil-turns|coil-wire)
        # "Се&рвис", then "Окно рассчёта &катушек" by their access keys; tried
        # again should a busy machine lose the keys.
        target=""
        for _ in 1 2 3; do
            focus_window "$main_id"
            xdotool key --clearmodifiers alt+Cyrillic_er
            sleep 0.5
            xdotool key --clearmodifiers Cyrillic_ka
            target="$(find_window '^\{' 2>/dev/null)" && break
            xdotool key Escape
        done
        [ -n "$target" ] || { echo "The coil window did not open" >&2; exit 1; }
        focus_window "$target"
        if [ "$window" = coil ]; then
            # The focus starts on "Рассчитать"; five Tabs reach the winding
            # type, one more the first input of the first tab.
            xdotool key --delay 80 Tab Tab Tab Tab Tab Tab
            # A few calculations: l = 2, D = 1, n = 20 and 40, d = 0.5 (the
            # locale's separator is taken from the program's own text).
            separator="$(locale decimal_point 2>/dev/null || echo .)"
            xdotool key --delay 80 ctrl+a && xdotool type --delay 80 "2"
            xdotool key --delay 80 Tab ctrl+a && xdotool type --delay 80 "1"
            xdotool key --delay 80 Tab ctrl+a && xdotool type --delay 80 "20"
            xdotool key --delay 80 Tab ctrl+a && xdotool type --delay 80 "0${separator}5"
            xdotool key --delay 200 Return
            xdotool key --delay 80 shift+Tab ctrl+a && xdotool type --delay 80 "40"
            xdotool key --delay 200 Return
        fi
        sleep 0.5
        ;;
    about)
        # "&Справка", then "О &программе . . ." by their access keys; tried
        # again should a busy machine lose the keys.
        target=""
        for _ in 1 2 3; do
            focus_window "$main_id"
            xdotool key --clearmodifiers alt+Cyrillic_es
            sleep 0.5
            xdotool key --clearmodifiers Cyrillic_pe
            # The caption is the maker's signature between asterisks.
            target="$(find_window '^\* \* \*' 2>/dev/null)" && break
            xdotool key Escape
        done
        [ -n "$target" ] || { echo "The about box did not open" >&2; exit 1; }
        # Let some of the credits scroll in.
        sleep 2
        ;;
    *)
        echo "Unknown window '$window' (main, coil, coil-turns, coil-wire, about)" >&2
        exit 2
        ;;
esac

sleep 0.5
# -frame: the window manager's frame around the window is part of the picture.
import -frame -window "$target" "$output"
CAPTURE

if [ "$theme" = dark ]; then
    # The program reads the palette through the qt6ct platform theme, set up
    # in a configuration folder of its own.
    mkdir -p "$work/config/qt6ct"
    cat >"$work/config/qt6ct/qt6ct.conf" <<'QT6CT'
[Appearance]
color_scheme_path=/usr/share/qt6ct/colors/darker.conf
custom_palette=true
style=Fusion
QT6CT
    export QT_QPA_PLATFORMTHEME=qt6ct XDG_CONFIG_HOME="$work/config"
fi
bash scripts/run-with-wm.sh --screen 1024x768x24 -- \
    bash "$work/capture.sh" "$window" "$work/bin/bandimor" "$PWD/$output"
echo "Saved $output"
