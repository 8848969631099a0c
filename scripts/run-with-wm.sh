#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# run-with-wm.sh — run one command on a private X server (Xvfb) managed by
# openbox, then stop both and return the command's exit status.
#
#   run-with-wm.sh [--screen WxHxD] [--monitors "WxH+X+Y ..."] [--timeout SECONDS]
#                  [--] COMMAND [ARGS...]
#
# * --monitors divides the screen into monitors (RandR monitors, set with
#   xrandr before openbox starts), e.g. two side by side on a 2048x768
#   screen: --monitors "1024x768+0+0 1024x768+1024+0".
# * Xvfb picks a free display itself (-displayfd), so several runs may go on
#   at once (ctest -j) without clashing.
# * openbox gets a clean, throw-away configuration (XDG_CONFIG_HOME etc. in a
#   temporary folder), no session manager, no D-Bus; its chatter goes to a
#   log that is printed only when something fails.
# * The command starts only once openbox has taken the screen: the root
#   window carries _NET_SUPPORTING_WM_CHECK pointing at a window whose
#   _NET_WM_NAME is "Openbox" (bounded wait, polling; no fixed sleep).
# * The command runs with DISPLAY set and QT_QPA_PLATFORM=xcb.
# * Exit status: the command's; 125 if Xvfb or openbox could not be started.
#
# Needs (Debian): xvfb openbox x11-utils (xprop), for --monitors
# x11-xserver-utils (xrandr).  Works as root, without a
# session bus and without any user configuration.
set -u

screen="1024x768x24"
monitors=""
timeout_s=20
while [ $# -gt 0 ]; do
    case "$1" in
        --screen)  screen="$2"; shift 2 ;;
        --monitors) monitors="$2"; shift 2 ;;
        --timeout) timeout_s="$2"; shift 2 ;;
        --)        shift; break ;;
        -*)        echo "run-with-wm.sh: unknown option $1" >&2; exit 125 ;;
        *)         break ;;
    esac
done
if [ $# -eq 0 ]; then
    echo "usage: run-with-wm.sh [--screen WxHxD] [--monitors \"WxH+X+Y ...\"] [--timeout S] [--] COMMAND [ARGS...]" >&2
    exit 125
fi
for tool in Xvfb openbox xprop; do
    command -v "$tool" >/dev/null 2>&1 || {
        echo "run-with-wm.sh: '$tool' not found (apt-get install xvfb openbox x11-utils)" >&2
        exit 125; }
done

tmp=$(mktemp -d "${TMPDIR:-/tmp}/run-with-wm.XXXXXX") || exit 125
xvfb_pid=""
wm_pid=""

cleanup() {
    # Stop only the two processes started here, by their ids.
    if [ -n "$wm_pid" ] && kill -0 "$wm_pid" 2>/dev/null; then
        kill -TERM "$wm_pid" 2>/dev/null
        wait "$wm_pid" 2>/dev/null
    fi
    if [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
        kill -TERM "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

fail() {
    echo "run-with-wm.sh: $*" >&2
    for f in "$tmp/xvfb.log" "$tmp/openbox.log"; do
        [ -s "$f" ] && { echo "--- $f" >&2; tail -n 20 "$f" >&2; }
    done
    exit 125
}

# Poll a condition every 50 ms, for at most $timeout_s seconds; a condition
# that returns 2 means "will never happen" (its process died): give up at once.
wait_for() {
    local i rc max=$(( timeout_s * 20 ))
    for (( i = 0; i < max; i++ )); do
        "$@"; rc=$?
        [ "$rc" -eq 0 ] && return 0
        [ "$rc" -eq 2 ] && return 1
        sleep 0.05
    done
    return 1
}

# --- X server ---------------------------------------------------------------
# -displayfd: Xvfb chooses a free display and writes its number (and a newline)
# to fd 3 once it accepts connections.  -noreset: no server reset when the
# last client goes away (avoids a race between the probes and the clients).
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset \
    3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
xvfb_pid=$!
display_ready() {
    kill -0 "$xvfb_pid" 2>/dev/null || return 2
    # (the file may not exist yet: any grep failure just means "not yet")
    grep -q '^[0-9][0-9]*$' "$tmp/display" 2>/dev/null || return 1
}
wait_for display_ready || fail "Xvfb did not start"
export DISPLAY=":$(head -n 1 "$tmp/display")"

# --- monitors ------------------------------------------------------------------
# The first monitor takes over Xvfb's one output, so that the output's own
# monitor, which spans the whole screen, goes away; the others have none.
if [ -n "$monitors" ]; then
    command -v xrandr >/dev/null 2>&1 || fail "'xrandr' not found (apt-get install x11-xserver-utils)"
    output=$(xrandr --query 2>/dev/null | awk '$2 == "connected" { print $1; exit }')
    [ -n "$output" ] || fail "xrandr found no output on $DISPLAY"
    number=0
    for monitor in $monitors; do
        case "$monitor" in
            [0-9]*x[0-9]*+[0-9]*+[0-9]*) ;;
            *) fail "bad monitor '$monitor' (WxH+X+Y)" ;;
        esac
        width=${monitor%%x*}; rest=${monitor#*x}
        height=${rest%%+*}; corner=${rest#*+}
        # Sizes in millimetres as at 96 dots per inch.
        geometry="$width/$(( width * 254 / 960 ))x$height/$(( height * 254 / 960 ))+$corner"
        xrandr --setmonitor "monitor$number" "$geometry" "$output" >>"$tmp/xvfb.log" 2>&1 \
            || fail "xrandr could not set monitor $monitor"
        output=none
        number=$(( number + 1 ))
    done
fi

# --- window manager ----------------------------------------------------------
mkdir -p "$tmp/config" "$tmp/cache" "$tmp/data" "$tmp/home"
# openbox falls back to /etc/xdg/openbox/rc.xml (theme Clearlooks) when the
# clean XDG_CONFIG_HOME has none; the menu file is not needed.
env -u DBUS_SESSION_BUS_ADDRESS -u SESSION_MANAGER \
    HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/config" XDG_CACHE_HOME="$tmp/cache" \
    XDG_DATA_HOME="$tmp/data" \
    openbox --sm-disable >"$tmp/openbox.log" 2>&1 &
wm_pid=$!
wm_ready() {
    kill -0 "$wm_pid" 2>/dev/null || return 2
    local check wid
    check=$(xprop -root -notype _NET_SUPPORTING_WM_CHECK 2>/dev/null) || return 1
    wid=${check##*# }
    case "$wid" in 0x*) ;; *) return 1 ;; esac
    xprop -id "$wid" -notype _NET_WM_NAME 2>/dev/null | grep -q '"Openbox"' || return 1
}
wait_for wm_ready || fail "openbox did not take the screen $DISPLAY"

# --- the command --------------------------------------------------------------
export QT_QPA_PLATFORM=xcb
"$@" <&0 &
cmd_pid=$!
# Forward INT/TERM to the command, then clean up.
trap 'kill -TERM "$cmd_pid" 2>/dev/null; wait "$cmd_pid" 2>/dev/null; exit 143' TERM
trap 'kill -INT "$cmd_pid" 2>/dev/null; wait "$cmd_pid" 2>/dev/null; exit 130' INT
wait "$cmd_pid"
status=$?
exit "$status"
