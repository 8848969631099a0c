#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs the whole test suite (offscreen, and
# the window-manager tests under Xvfb with openbox);
# then the suite again in a build under AddressSanitizer and
# UndefinedBehaviorSanitizer (build-asan/), and the window-free tests under
# valgrind's memcheck; then the Windows build (scripts/build-windows.sh) and
# its tests under Wine. Each of the four must pass.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs="$(nproc)"

bash scripts/build.sh -DBANDIMOR_BUILD_TESTS=ON -DBANDIMOR_MEMCHECK=ON
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$jobs" -LE memcheck)

cmake --preset asan >/dev/null
cmake --build --preset asan --parallel "$jobs"
ctest --preset asan --parallel "$jobs"

(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$jobs" -L memcheck)

# The Windows program: the same tests, less those that are Linux's by nature
# (they are not built there), run under Wine on the offscreen platform.
bash scripts/build-windows.sh
(cd build-windows/build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$jobs")
