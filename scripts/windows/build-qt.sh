#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Qt for 64-bit Windows (qtbase, shared, Release) from Debian's own
# qt6-base source package with mingw-w64, against the Debian Qt of the same
# version as host tools. The result is cached outside the clone, keyed on
# the source version and on this recipe, and reused while both are the same.
#
# Prints the install prefix on its last line of standard output.
#
#   BANDIMOR_WINDOWS_CACHE   the cache folder (default ~/.cache/bandimor)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"

cache="${BANDIMOR_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/bandimor}"
version="$(dpkg-query -W -f='${Version}' qt6-base-dev)"
# What makes the build what it is: the features below and the toolchain file.
qt_options=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=ON
    -DQT_HOST_PATH=/usr
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF
    -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_vulkan=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_zstd=OFF
    -DFEATURE_openssl=OFF -DFEATURE_icu=OFF -DFEATURE_pkg_config=OFF
    # Qt's bundled copies: the system's are Linux libraries.
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF
    # The CMake form of -no-opengl; FEATURE_opengl=OFF leaves dynamic OpenGL on.
    -DINPUT_opengl=no
    # Debian's source drops the wintab headers.
    -DFEATURE_tabletevent=OFF
)
recipe_key="$({ printf '%s\n' "${qt_options[@]}"; cat "$root/cmake/mingw-w64-x86_64.cmake"; } \
              | sha256sum | cut -c1-12)"
prefix="$cache/qt-windows-${version//[:+~]/_}-$recipe_key"

if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

work="$cache/qt-windows-work"
rm -rf "$work" "$prefix"
mkdir -p "$work/apt/lists/partial" "$work/src"

# Debian's source through a private source list: the machine's apt
# configuration stays as it is.
# The same Debian archives that apt installs the binary packages from.
apt-get indextargets --format '$(REPO_URI) $(RELEASE)' 'Created-By: Packages' | sort -u \
    | while read -r uri release; do
          echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $uri $release main"
      done > "$work/apt/sources.list"
apt_options=(-o "Dir::Etc::SourceList=$work/apt/sources.list"
             -o "Dir::Etc::SourceParts=/dev/null"
             -o "Dir::State::Lists=$work/apt/lists"
             -o "Dir::Cache::archives=$work/apt")
apt-get -q "${apt_options[@]}" update >&2
(cd "$work/src" && apt-get -q "${apt_options[@]}" source --download-only "qt6-base=$version" >&2)
(cd "$work/src" && dpkg-source -x --no-check ./*.dsc qtbase >&2)

mkdir -p "$prefix"
cp "$root/cmake/mingw-w64-x86_64.cmake" "$prefix/mingw-w64-x86_64.cmake"

cmake -S "$work/src/qtbase" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64-x86_64.cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${qt_options[@]}" >&2
cmake --build "$work/build" --parallel "$(nproc)" >&2
cmake --install "$work/build" >&2
rm -rf "$work"
touch "$prefix/.complete"
echo "$prefix"
