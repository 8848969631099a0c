#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds in Release into build-release/, makes the Debian package and the
# portable archive with cpack, and checks them: lintian on the .deb,
# desktop-file-validate on the desktop entry, appstreamcli on the metainfo
# and the sizes of the screenshots it lists.
# The packages land in build-release/packages/.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh lintian desktop-file-utils appstream

build="${BUILD_DIR:-build-release}"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBANDIMOR_BUILD_TESTS=OFF -DBANDIMOR_WERROR=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)"
rm -rf "$build/packages"
(cd "$build" && cpack -B "$PWD/packages")
rm -rf "$build/packages/_CPack_Packages"

echo "== desktop-file-validate"
desktop-file-validate packaging/bandimor.desktop
echo "== appstreamcli validate"
appstreamcli validate --no-net packaging/io.github.bandimor.bandimor.metainfo.xml
echo "== screenshot sizes"
bash scripts/check-screenshot-sizes.sh packaging/io.github.bandimor.bandimor.metainfo.xml
echo "== lintian"
# Errors fail the script; warnings and notes are shown.
lintian --fail-on error --display-info "$build"/packages/*.deb

echo "Packages:"
ls -l "$build"/packages/
