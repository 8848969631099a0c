#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
# xdg-open hands the help file Spravka.chm to the CHM viewer KchmViewer,
# whose search finds Russian words.
bash scripts/install-deps.sh xdg-utils kchmviewer
bash scripts/build.sh -DBANDIMOR_BUILD_TESTS=OFF
exec build/bin/bandimor
