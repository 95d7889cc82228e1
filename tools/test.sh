#!/usr/bin/env bash
# The test command: installs what is missing, builds, and runs every test
# (unit and end-to-end) under Wine on a private X display, after a bounded
# fuzz run of the resource readers. Exits non-zero when either fails.
# ZORVANE_BUILD_DIR overrides the build folder (default build), and
# ZORVANE_X64_BUILD_DIR the 64-bit test build's (default build-x64), made
# only where 32-bit code cannot run.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
build=${ZORVANE_BUILD_DIR:-build}

bash tools/setup.sh
# shellcheck source=tools/wine-env.sh
source tools/wine-env.sh

status=0
zv_choose_runnable_build test "the suites run on a 64-bit build under 64-bit Wine"
if [[ -z "$ZV_RUNNABLE_SUFFIX" ]]; then
    cmake --preset default -B "$build"
    cmake --build "$build" -j2
    test_build=$build
else
    # The shipped kind is still built, so that it cannot break unseen; the
    # suites run on a 64-bit build of the same sources.
    cmake --preset default -B "$build" -DZORVANE_TESTS=OFF
    cmake --build "$build" -j2
    test_build=${ZORVANE_X64_BUILD_DIR:-build-x64}
    cmake --preset tests-x64 -B "$test_build"
    cmake --build "$test_build" -j2
fi

# The resource readers, built natively, under a bounded fuzz run first, so
# that CTest's summary closes the output.
bash tests/unit/menu/fuzz/run-fuzz.sh "$test_build/fuzz" || status=$?

zv_env_start "$test_build"

ctest --test-dir "$test_build" --output-on-failure || status=$?

zv_env_stop
exit "$status"
