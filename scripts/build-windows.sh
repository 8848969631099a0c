#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Windows program (64-bit) on Debian 12 and assembles its portable
# folder and zip in build-windows/:
#
#   build-windows/bandimor-1.7-windows/      bandimor.exe and all it needs
#   build-windows/bandimor-1.7-windows.zip
#
# It installs what it needs from Debian (mingw-w64, Wine, Qt's host tools),
# builds Qt for Windows from Debian's qt6-base source once into a cache
# outside the clone (scripts/windows/build-qt.sh), builds the drawing tool for
# the build machine (build-windows/host) and the program with the tests
# (build-windows/build). Nothing is written under the clone but build-windows/.
#
#   BANDIMOR_WINDOWS_CACHE   where Qt for Windows is cached (~/.cache/bandimor)
#   BANDIMOR_WINDOWS_TESTS   OFF builds the program without the tests
#   BANDIMOR_CCACHE          ON compiles through ccache (when it is installed)
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
jobs="$(nproc)"

bash scripts/install-deps.sh \
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
    wine wine64 dpkg-dev ninja-build zip

qt_prefix="$(bash scripts/windows/build-qt.sh | tail -n1)"
# Qt's Russian texts, where the tests' Qt looks for them (they are the same
# files on every platform).
mkdir -p "$qt_prefix/translations"
cp /usr/share/qt6/translations/qtbase_ru.qm "$qt_prefix/translations/"
out="$root/build-windows"
wine_prefix="$out/wine"

# The drawing tool runs at build time, so it is the build machine's.
cmake -S . -B "$out/host" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DBANDIMOR_BUILD_TESTS=OFF >/dev/null
cmake --build "$out/host" --parallel "$jobs" --target bandimor_makepictures

launcher=()
if [ "${BANDIMOR_CCACHE:-OFF}" = ON ] && command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
# Qt's toolchain file names the mingw one by the path Qt was built at; named
# here, a cache copied or moved elsewhere serves too.
cmake -S . -B "$out/build" -G Ninja "${launcher[@]}" -DCMAKE_BUILD_TYPE=Release -DBANDIMOR_WERROR=ON \
      -DCMAKE_TOOLCHAIN_FILE="$qt_prefix/lib/cmake/Qt6/qt.toolchain.cmake" \
      -DQT_CHAINLOAD_TOOLCHAIN_FILE="$qt_prefix/mingw-w64-x86_64.cmake" \
      -DBANDIMOR_HOST_MAKEPICTURES="$out/host/tools/makepictures/bandimor_makepictures" \
      -DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/windows/wine-run.sh;$qt_prefix;$wine_prefix" \
      -DBANDIMOR_WINE_PREFIX="$wine_prefix" \
      -DBANDIMOR_BUILD_TESTS="${BANDIMOR_WINDOWS_TESTS:-ON}" >/dev/null
cmake --build "$out/build" --parallel "$jobs"

bash scripts/windows/assemble.sh "$qt_prefix" "$out/build/bin" "$out"
# The prefix in which the tests run the Windows programs.
WINEPREFIX="$wine_prefix" bash scripts/windows/wine-prefix.sh
