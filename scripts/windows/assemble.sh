#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Assembles the portable Windows folder and its zip from a Windows build:
#   assemble.sh <Qt for Windows prefix> <build's bin folder> <output folder>
#
# The folder holds bandimor.exe with the files it loads from beside itself
# (splash.bmp, Images/, Spravka.chm), the DLLs it needs (found by following
# the import tables from the program and the plugins), the Qt plugins for
# the Windows platform, the styles and the picture formats, and Qt's Russian
# texts with a qt.conf that points Qt at them.
set -euo pipefail
qt_prefix="$1"
bin="$2"
out="$3"

version="$(sed -nE 's/^project\(Bandimor VERSION ([0-9.]+).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")"
name="bandimor-$version-windows"
folder="$out/$name"
rm -rf "$folder" "$out/$name.zip"
mkdir -p "$folder/platforms" "$folder/styles" "$folder/imageformats" "$folder/translations"

cp "$bin/bandimor.exe" "$bin/splash.bmp" "$bin/Spravka.chm" "$folder/"
cp -r "$bin/Images" "$folder/"
cp "$qt_prefix/plugins/platforms/qwindows.dll" "$folder/platforms/"
cp "$qt_prefix/plugins/styles/"*.dll "$folder/styles/"
cp "$qt_prefix/plugins/imageformats/"*.dll "$folder/imageformats/"
cp /usr/share/qt6/translations/qtbase_ru.qm "$folder/translations/"
printf '[Paths]\r\nPrefix=.\r\nPlugins=.\r\nTranslations=translations\r\n' > "$folder/qt.conf"

# Every DLL that the program and its plugins import, from Qt's and mingw's
# folders; the system's own DLLs are in neither and stay out.
mingw_runtime="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")"
search=("$qt_prefix/bin" "$mingw_runtime" /usr/x86_64-w64-mingw32/lib)
pending=("$folder/bandimor.exe" "$folder"/platforms/*.dll "$folder"/styles/*.dll "$folder"/imageformats/*.dll)
while [ ${#pending[@]} -gt 0 ]; do
    file="${pending[0]}"
    pending=("${pending[@]:1}")
    while read -r dll; do
        [ -e "$folder/$dll" ] && continue
        for dir in "${search[@]}"; do
            if [ -f "$dir/$dll" ]; then
                cp "$dir/$dll" "$folder/"
                pending+=("$folder/$dll")
                break
            fi
        done
    done < <(x86_64-w64-mingw32-objdump -p "$file" | sed -nE 's/^\s*DLL Name: (.*)$/\1/p')
done
x86_64-w64-mingw32-strip --strip-unneeded "$folder"/*.exe "$folder"/*.dll "$folder"/*/*.dll

(cd "$out" && zip -qr "$name.zip" "$name")
echo "$out/$name.zip"
