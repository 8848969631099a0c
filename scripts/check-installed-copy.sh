#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a build into a temporary root ("cmake --install --prefix"), starts
# the installed program there, closes it with F12 so that it stores its
# settings, and checks that nothing under the prefix changed and that the
# settings went to the user's configuration folder. It runs the program as
# the current user, who owns (and could write) the prefix, and, when that is
# root, also as the user nobody, who cannot.
#
#   scripts/run-with-wm.sh scripts/check-installed-copy.sh [build-dir]
#
# Needs a display with a window manager (run-with-wm.sh) and xdotool.
set -euo pipefail
cd "$(dirname "$0")/.."
build="$(realpath "${1:-build}")"
patience=20   # seconds for each wait

work="$(mktemp -d "${TMPDIR:-/tmp}/installed-copy.XXXXXX")"
chmod 755 "$work"
pid=""
cleanup() {
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

prefix="$work/root/usr"
cmake --install "$build" --prefix "$prefix" >/dev/null
[ -x "$prefix/bin/bandimor" ] || { echo "no $prefix/bin/bandimor after the install" >&2; exit 1; }

# Every file and folder under the prefix with its size, time and mode.
listing() { (cd "$prefix" && find . -printf '%p %s %T@ %m\n' | LC_ALL=C sort); }
listing >"$work/before"

# Polls the command every 0.1 s for at most $patience seconds.
wait_until() {
    local i
    for ((i = 0; i < patience * 10; i++)); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

main_window_of() { xdotool search --onlyvisible --pid "$1" --name '^Bandimor v 1\.7$' 2>/dev/null | head -n 1; }
has_main_window() { [ -n "$(main_window_of "$1")" ]; }
has_ended() { ! kill -0 "$1" 2>/dev/null; }

# run_once LABEL HOME [USER]: starts the installed program with a clean
# environment, as USER when given, waits for its main window, presses F12
# ("Выход"), waits for it to end and checks where its settings went.
run_once() {
    local label="$1" home="$2" user="${3:-}"
    # A clean environment, but for the sanitizers' options of a sanitizer build.
    local -a command=(env -i "HOME=$home" "DISPLAY=$DISPLAY" "PATH=/usr/bin:/bin"
                      "LANG=C.UTF-8" "QT_QPA_PLATFORM=xcb"
                      "ASAN_OPTIONS=${ASAN_OPTIONS:-}" "UBSAN_OPTIONS=${UBSAN_OPTIONS:-}"
                      "LSAN_OPTIONS=${LSAN_OPTIONS:-}" "$prefix/bin/bandimor")
    mkdir -p "$home"
    if [ -n "$user" ]; then
        chown "$user:" "$home"
        command=(setpriv --reuid="$user" --regid="$(id -g "$user")" --clear-groups "${command[@]}")
    fi
    if [ "$(id -u)" -eq 0 ] && [ -d /run/user ] \
            && unshare --mount --propagation private mount -t tmpfs tmpfs /run/user 2>/dev/null; then
        # A private /run/user/<uid> for the program's single-instance locks:
        # a copy running elsewhere on the machine would refuse this one.
        local uid
        uid="$(id -u "${user:-root}")"
        command=(unshare --mount --propagation private sh -c
                 'mount -t tmpfs -o mode=755 tmpfs /run/user && mkdir -m 700 "/run/user/$0" && chown "$0" "/run/user/$0" && exec "$@"'
                 "$uid" "${command[@]}")
    fi
    (cd / && exec "${command[@]}") >"$work/$label.log" 2>&1 &
    pid=$!
    if ! wait_until has_main_window "$pid"; then
        echo "$label: no main window appeared" >&2
        cat "$work/$label.log" >&2
        exit 1
    fi
    # The key may go astray while the splash still has the focus: pressed
    # again, once a second, until the program ends.
    local tries
    for ((tries = 0; tries < patience; tries++)); do
        xdotool windowactivate --sync "$(main_window_of "$pid")" >/dev/null 2>&1 || true
        xdotool key --clearmodifiers F12 >/dev/null 2>&1 || true
        for _ in 1 2 3 4 5 6 7 8 9 10; do
            has_ended "$pid" && break 2
            sleep 0.1
        done
    done
    if ! has_ended "$pid"; then
        echo "$label: the program did not end after F12" >&2
        exit 1
    fi
    wait "$pid" || { echo "$label: the program failed" >&2; cat "$work/$label.log" >&2; exit 1; }
    pid=""
    if [ ! -s "$home/.config/bandimor/bandimor.ini" ]; then
        echo "$label: no settings in $home/.config/bandimor" >&2
        exit 1
    fi
    echo "$label: settings in ~/.config/bandimor/bandimor.ini"
}

run_once "as $(id -un)" "$work/home-owner"
if [ "$(id -u)" -eq 0 ]; then
    run_once "as nobody" "$work/home-nobody" nobody
fi

listing >"$work/after"
if ! diff -u "$work/before" "$work/after"; then
    echo "the installed copy wrote under its prefix" >&2
    exit 1
fi
echo "nothing written under the prefix"
