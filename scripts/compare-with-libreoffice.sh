#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that LibreOffice Writer reads the log files we write with the same
# text: writes a sample log with our RTF writer, has LibreOffice convert it to
# plain text, and compares that with the log's lines. Also reads LibreOffice's
# own RTF of the same log back with our reader.
#
# Not part of the test run. Needs LibreOffice (apt-get install
# libreoffice-writer-nogui) and a build with the tool:
#   cmake --build build --target rtf_roundtrip_tool
#   scripts/compare-with-libreoffice.sh [build directory, default build]
set -euo pipefail
cd "$(dirname "$0")/.."

build="${1:-build}"
tool="$build/tools/rtfroundtrip/rtf_roundtrip_tool"
[ -x "$tool" ] || { echo "missing $tool: build the target rtf_roundtrip_tool first" >&2; exit 2; }
command -v soffice >/dev/null || { echo "soffice not found: install libreoffice-writer-nogui" >&2; exit 2; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
office() {
    soffice --headless "-env:UserInstallation=file://$work/profile" "$@" >"$work/soffice.log" 2>&1 \
        || { cat "$work/soffice.log" >&2; exit 1; }
}

"$tool" write-sample "$work/log.rtf" "$work/expected.txt"

# 1. Our RTF, read by LibreOffice. Its text export ends every paragraph with a
#    line end, as our lines file does; a byte-order mark and CRs are dropped.
#    LibreOffice takes the \par before the closing brace as the end of the
#    last paragraph, where the log has an empty last line: that line is not
#    compared.
office --convert-to "txt:Text (encoded):UTF8" --outdir "$work/lo" "$work/log.rtf"
sed -e '1s/^\xEF\xBB\xBF//' -e 's/\r$//' "$work/lo/log.txt" >"$work/libreoffice.txt"
if [ "$(tail -n 1 "$work/expected.txt")" = "" ]; then
    head -n -1 "$work/expected.txt" >"$work/expected-lo.txt"
else
    cp "$work/expected.txt" "$work/expected-lo.txt"
fi

status=0
if diff -u "$work/expected-lo.txt" "$work/libreoffice.txt" >"$work/diff1"; then
    echo "LibreOffice reads our RTF with the same text: $(wc -l <"$work/expected-lo.txt") lines."
else
    echo "LibreOffice reads our RTF differently (expected, LibreOffice):"
    cat "$work/diff1"
    status=1
fi

# 2. LibreOffice's RTF of our log, read by our reader.
office --convert-to rtf --outdir "$work/lo-rtf" "$work/log.rtf"
"$tool" to-text "$work/lo-rtf/log.rtf" "$work/ours.txt"
if diff -u "$work/expected.txt" "$work/ours.txt" >"$work/diff2"; then
    echo "Our reader reads LibreOffice's RTF of the log with the same text."
else
    echo "Our reader reads LibreOffice's RTF differently (expected, ours):"
    cat "$work/diff2"
    status=1
fi
exit "$status"
