#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the compiled help file as the package ships it:
# - every picture a page shows is inside the file, as a PNG;
# - the Russian words a reader searches for are in the pages' text as a CHM
#   viewer that indexes the pages itself (kchmviewer) reads it: the page
#   decoded from the code page its <meta> names, without markup;
# - no page sends the reader to the program's sources.
#
#   scripts/check-help-file.sh [build/bin/Spravka.chm]
#
# Needs extract_chmLib (Debian package libchm-bin) and iconv.
set -euo pipefail
chm="${1:-build/bin/Spravka.chm}"
[ -f "$chm" ] || { echo "no help file $chm" >&2; exit 1; }

work="$(mktemp -d "${TMPDIR:-/tmp}/help-file.XXXXXX")"
trap 'rm -rf "$work"' EXIT
extract_chmLib "$chm" "$work/chm" >/dev/null
status=0

# The text of a page as a viewer indexes it, one line per page, in lower
# case; the case is folded on the windows-1251 bytes, one per letter.
page_text() {
    local page="$1" charset
    charset="$(grep -io 'charset=[a-z0-9_-]*' "$page" | head -n 1 | cut -d= -f2)"
    iconv -f "${charset:-windows-1251}" -t windows-1251 "$page" \
        | LC_ALL=C sed -e 's/<[^>]*>/ /g' -e 's/&nbsp;/ /g' | LC_ALL=C tr '\n' ' ' \
        | LC_ALL=C tr 'A-Z\300-\337\250' 'a-z\340-\377\270' | iconv -f windows-1251 -t utf-8
    echo
}

pages=("$work"/chm/*.html)
for page in "${pages[@]}"; do
    for picture in $(grep -o '<img src="[^"]*"' "$page" | sed 's/<img src="\(.*\)"/\1/'); do
        file="$work/chm/$picture"
        if [ ! -s "$file" ] || [ "$(head -c 4 "$file" | tail -c 3)" != "PNG" ]; then
            echo "$(basename "$page") shows $picture, which the help file lacks" >&2
            status=1
        fi
    done
    if grep -q 'tools/\|src/' "$page"; then
        echo "$(basename "$page") names a file of the sources" >&2
        status=1
    fi
    page_text "$page" >>"$work/index.txt"
done

pictured=$(grep -lo '<img src="pictures/' "${pages[@]}" | wc -l)
if [ "$pictured" -lt 3 ]; then
    echo "only $pictured pages show pictures; the three coil tab pages should" >&2
    status=1
fi

# Words of the pages a reader looks for, as typed into the search box.
for word in нагаоки катушка индуктивность витков журнал; do
    found=$(grep -c -- "$word" "$work/index.txt" || true)
    if [ "$found" -eq 0 ]; then
        echo "the word \"$word\" is on no page" >&2
        status=1
    else
        echo "\"$word\": $found pages"
    fi
done
exit "$status"
