#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence line "SPDX-License-Identifier: GPL-3.0-or-later" at the
# top of every source file that lacks one: C++ files get a // comment, CMake
# files, Python and shell scripts a # comment (after the #! line of a script).
# A file that already names its licence in its first lines is left alone, so
# running it again changes nothing.
#
#   scripts/add-spdx.sh            adds the missing lines
#   scripts/add-spdx.sh --check    lists the files without one; fails if any
set -euo pipefail
cd "$(dirname "$0")/.."

check=0
[ "${1:-}" = "--check" ] && check=1
tag="SPDX-License-Identifier: GPL-3.0-or-later"
missing=0

has_tag() { head -n 3 "$1" | grep -qE '^(//|#|<!--) SPDX-License-Identifier: '; }

add_line() {
    local file="$1" line="$2" tmp
    tmp="$(mktemp)"
    if [ "$(head -c 2 "$file")" = "#!" ]; then
        { head -n 1 "$file"; echo "$line"; tail -n +2 "$file"; } >"$tmp"
    else
        { echo "$line"; cat "$file"; } >"$tmp"
    fi
    # Keeps the file's mode (scripts stay executable).
    cat "$tmp" >"$file"
    rm -f "$tmp"
}

while IFS= read -r -d '' file; do
    has_tag "$file" && continue
    case "$file" in
        *.cpp|*.h|*.hpp|*.c) line="// $tag" ;;
        *) line="# $tag" ;;
    esac
    if [ "$check" = 1 ]; then
        echo "$file"
        missing=1
    else
        add_line "$file" "$line"
        echo "added: $file"
    fi
done < <(git ls-files -z -- \
    'src/*' 'tests/*' 'bench/*' 'fuzz/*' 'tools/*' 'scripts/*' 'packaging/*' 'docs/help/CMakeLists.txt' \
    'CMakeLists.txt' '*.cmake' \
    | grep -zE '(\.(cpp|h|hpp|c|py|sh|cmake|cmake\.in)|/CMakeLists\.txt|^CMakeLists\.txt)$')
exit "$missing"
