#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that every screenshot the metainfo lists declares the width and
# height of its picture in docs/screenshots/ (read from the PNG header).
#
#   scripts/check-screenshot-sizes.sh [metainfo.xml]
set -euo pipefail
cd "$(dirname "$0")/.."
metainfo="${1:-packaging/io.github.bandimor.bandimor.metainfo.xml}"

# A big-endian 32-bit number of the file at the byte offset.
png_number() {
    od -A n -t u1 -j "$2" -N 4 "$1" | awk '{ print (($1 * 256 + $2) * 256 + $3) * 256 + $4 }'
}

status=0
count=0
while IFS= read -r line; do
    width="$(sed -n 's/.*width="\([0-9]*\)".*/\1/p' <<<"$line")"
    height="$(sed -n 's/.*height="\([0-9]*\)".*/\1/p' <<<"$line")"
    name="$(sed -n 's/.*\/\(docs\/screenshots\/[^<]*\.png\)<.*/\1/p' <<<"$line")"
    if [ -z "$name" ] || [ ! -f "$name" ]; then
        echo "no picture in docs/screenshots for: $line" >&2
        status=1
        continue
    fi
    real_width="$(png_number "$name" 16)"
    real_height="$(png_number "$name" 20)"
    count=$((count + 1))
    if [ "$width" != "$real_width" ] || [ "$height" != "$real_height" ]; then
        echo "$name is ${real_width}x${real_height}, the metainfo says ${width}x${height}" >&2
        status=1
    else
        echo "$name: ${width}x${height}"
    fi
done < <(grep '<image' "$metainfo")
if [ "$count" -eq 0 ] && [ "$status" -eq 0 ]; then
    echo "no screenshots listed in $metainfo" >&2
    status=1
fi
exit "$status"
