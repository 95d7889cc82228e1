#!/usr/bin/env bash
# The test command: installs what is missing, builds, fuzzes the resource
# readers, and runs every test (unit and end-to-end) under Wine on a private X
# display. Exits non-zero when any of them fails.
#
# The unit programs test the debug build; the end-to-end suite drives the
# release. The work that only needs the processor overlaps: the native fuzz
# run and the Wine prefix's first boot go on beside the build. The unit programs then run
# two at a time where they share nothing on the desktop, and the end-to-end
# suite, whose waits are timed, runs with nothing beside it.
#
# ZORVANE_BUILD_DIR overrides the build folder (default build),
# ZORVANE_RELEASE_BUILD_DIR the shipped release's (default build-release),
# and ZORVANE_X64_BUILD_DIR the 64-bit test build's (default build-x64),
# made only where 32-bit code cannot run, beside the 64-bit release
# (build-release-x64). FUZZ_SECONDS bounds each fuzz target.
set -euo pipefail
started=$SECONDS

# Installs first: the environment below names a locale that setup makes.
bash "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
# shellcheck source=tools/wine-env.sh
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
cd "$ZV_ROOT"
build=${ZORVANE_BUILD_DIR:-build}
stage() { printf 'test: %s (at %d s)\n' "$1" $((SECONDS - started)); }

# The shipped 32-bit release is built wherever the tests run, so that it cannot
# break unseen; the end-to-end suite drives the release Wine can run here.
release_build=${ZORVANE_RELEASE_BUILD_DIR:-build-release}
[[ "$release_build" = /* ]] || release_build=$ZV_ROOT/$release_build
cmake --preset release -B "$release_build" >/dev/null
zv_choose_release_build test "the suites run on 64-bit builds under 64-bit Wine"
builds=("$build")
if [[ -z "$ZV_RUNNABLE_SUFFIX" ]]; then
    test_build=$build
    e2e_program=$release_build/bin/Zorvane.exe
    cmake --preset default -B "$build" -DZORVANE_E2E_PROGRAM="$e2e_program" >/dev/null
else
    test_build=${ZORVANE_X64_BUILD_DIR:-build-x64}
    e2e_program=$ZV_RELEASE_BUILD/bin/Zorvane.exe
    cmake --preset default -B "$build" -DZORVANE_TESTS=OFF >/dev/null
    cmake --preset tests-x64 -B "$test_build" -DZORVANE_E2E_PROGRAM="$e2e_program" >/dev/null
    cmake --preset "$ZV_RELEASE_PRESET" -B "$ZV_RELEASE_BUILD" >/dev/null
    builds+=("$test_build" "$ZV_RELEASE_BUILD")
fi
builds+=("$release_build")

build_all() {
    local folder
    for folder in "${builds[@]}"; do cmake --build "$folder" -j2 || return 1; done
}

stage "building; fuzzing and preparing Wine beside it"
build_all >"$test_build/build.log" 2>&1 &
build_pid=$!
bash tests/unit/menu/fuzz/run-fuzz.sh "$test_build/fuzz" >"$test_build/fuzz.log" 2>&1 &
fuzz_pid=$!

status=0
zv_env_start "$test_build" || status=$?

build_status=0
wait "$build_pid" || build_status=$?
# Nothing more to wait for when the build failed.
((build_status == 0)) || kill "$fuzz_pid" 2>/dev/null || true
# Compiler output only: make's progress lines would bury the warnings.
grep -v -E '^\[ *[0-9]+%\]|^(Consolidate|Scanning|Built target|Linking|Building)' "$test_build/build.log" || true
fuzz_status=0
wait "$fuzz_pid" || fuzz_status=$?
cat "$test_build/fuzz.log"
if ((build_status != 0)); then
    echo "test: the build failed (see $test_build/build.log)" >&2
    exit 1
fi
((fuzz_status == 0)) || status=1
((status == 0)) || { echo "test: the Wine environment did not start" >&2; exit 1; }

stage "unit programs, then the end-to-end suite"
ctest --test-dir "$test_build" -L '^(unit|e2e)$' -j2 --output-on-failure \
    --output-junit ctest-results.xml --test-output-size-passed 1000000 --test-output-size-failed 1000000 || status=1

zv_env_stop
stage "done"
if ((status != 0)); then
    echo "test: FAILED. A case alone: ctest --test-dir $test_build -R 'PROGRAM.Suite.Case'" >&2
fi
exit "$status"
