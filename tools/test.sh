#!/usr/bin/env bash
# The test command: installs what is missing, builds, and runs every test
# (unit and end-to-end) under Wine on a private X display, after a bounded
# fuzz run of the resource readers. Exits non-zero when either fails.
# ZORVANE_BUILD_DIR overrides the build folder (default build).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
build=${ZORVANE_BUILD_DIR:-build}

bash tools/setup.sh
cmake --preset default -B "$build"
cmake --build "$build" -j2

# The resource readers, built natively, under a bounded fuzz run first, so
# that CTest's summary closes the output.
status=0
bash tests/unit/menu/fuzz/run_fuzz.sh "$build/fuzz" || status=$?

# shellcheck source=tools/wine-env.sh
source tools/wine-env.sh
zv_env_start "$build"

ctest --test-dir "$build" --output-on-failure || status=$?

zv_env_stop
exit "$status"
