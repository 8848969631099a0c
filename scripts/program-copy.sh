# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that run the real program: builds it into $build_dir
# when it is missing or older than the sources, and copies its folder to
# $work/bin, so that the settings file it writes does not end up in the build.
program_copy() {
    local build_dir="$1" work="$2"
    if [ ! -x "$build_dir/bin/bandimor" ] || [ -n "$(find src -newer "$build_dir/bin/bandimor" -print -quit)" ]; then
        cmake -S . -B "$build_dir" -DBANDIMOR_WERROR=ON >/dev/null
        cmake --build "$build_dir" --target bandimor --parallel 2
    fi
    cp -r "$build_dir/bin" "$work/bin"
}
