#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one test in a user and mount namespace of its own, where an ordinary
# user may mount a small file system and bind device nodes, so that the
# tests of full disks and device nodes run without root. Where the system
# refuses such namespaces the test runs as it is and skips those cases.
if command -v unshare >/dev/null 2>&1 \
        && unshare --user --map-root-user --mount true 2>/dev/null; then
    exec unshare --user --map-root-user --mount "$@"
fi
exec "$@"
