#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Shows what a screen reader learns about the program: runs it under a
# virtual X display with its own D-Bus session and accessibility bus, opens
# a coil window through the menu entry's accessible action, and prints the
# program's AT-SPI tree (role, name, description, and the text or value).
#
#   bash scripts/accessibility-tree.sh [output file]
#
# The program runs from a temporary copy of the build's bin folder, with a
# temporary HOME. BUILD_DIR picks the build folder (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir="${BUILD_DIR:-build}"
output="${1:-/dev/stdout}"

bash scripts/install-deps.sh xvfb xauth dbus at-spi2-core python3-gi gir1.2-atspi-2.0

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
source scripts/program-copy.sh
program_copy "$build_dir" "$work"
mkdir -p "$work/home"

cat >"$work/dump.py" <<'DUMP'
import sys
import time

import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi


def find_program(timeout=20):
    end = time.time() + timeout
    while time.time() < end:
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and "bandimor" in (app.get_name() or "").lower():
                if app.get_child_count() > 0:
                    return app
        time.sleep(0.2)
    sys.exit("The program did not appear on the accessibility bus")


def shown_text(node):
    parts = []
    text = node.get_text_iface()
    if text is not None:
        parts.append("text=%r" % text.get_text(0, text.get_character_count()))
    value = node.get_value_iface()
    if value is not None:
        parts.append("value=%s" % value.get_current_value())
    return " ".join(parts)


def dump(node, depth=0, out=sys.stdout):
    if node is None or depth > 25:
        return
    role = node.get_role_name()
    line = "%s%s %r" % ("  " * depth, role, node.get_name() or "")
    description = node.get_description()
    if description:
        line += " desc=%r" % description
    extra = shown_text(node)
    if extra:
        line += " " + extra
    print(line, file=out)
    for i in range(node.get_child_count()):
        dump(node.get_child_at_index(i), depth + 1, out)


def find(node, role, name_part):
    if node is None:
        return None
    if node.get_role_name() == role and name_part in (node.get_name() or ""):
        return node
    for i in range(node.get_child_count()):
        found = find(node.get_child_at_index(i), role, name_part)
        if found is not None:
            return found
    return None


program = find_program()
# The splash leaves after 2 s.
time.sleep(3)
entry = find(program, "menu item", "катушек")
if entry is not None:
    entry.get_action_iface().do_action(0)
    time.sleep(2)
else:
    print("(no menu entry for the coil window found)")
dump(program)
DUMP

cat >"$work/inside.sh" <<'INSIDE'
#!/usr/bin/env bash
set -euo pipefail
work="$1"
export HOME="$work/home"
# Qt talks to the accessibility bus even when no screen reader asked for it.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export NO_AT_BRIDGE=0
"$work/bin/bandimor" &
pid=$!
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true' EXIT
# Debian's own Python, which has the GObject bindings.
/usr/bin/python3 "$work/dump.py"
INSIDE

xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- bash "$work/inside.sh" "$work" >"$work/tree.txt"
cat "$work/tree.txt" >"$output"
