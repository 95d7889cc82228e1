#!/usr/bin/env bash
# The benchmark command: builds the release preset with the floor programs,
# starts a private Xvfb and Wine prefix, and measures Zorvane.exe against the
# floor programs under Wine (start-up, hotkey latency, idle cost, memory,
# size). Prints the table; docs/PERFORMANCE.md explains the method.
#
#   bash tools/bench.sh [--quick] [--runs=N] [--presses=N] [--idle=SECONDS] [--no-realtime]
#
# --quick measures 10 starts, 100 presses and 10 s of idling per phase (about
# a minute after the build) instead of 60, 1000 and 60 s (about five
# minutes). The measuring runs at real-time priority where the system allows
# it, so that other work on the machine does not come between a key press and
# its handling; --no-realtime measures at normal priority.
# ZORVANE_BENCH_BUILD_DIR overrides the build folder (default build-release,
# or build-release-x64 where no 32-bit code runs); ZORVANE_DISPLAY_FROM the
# first X display tried.
set -euo pipefail

# shellcheck source=tools/wine-env.sh
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
cd "$ZV_ROOT"
zv_choose_release_build bench "measuring the x64 build of the release under 64-bit Wine" "${ZORVANE_BENCH_BUILD_DIR:-}"
preset=$ZV_RELEASE_PRESET
build=$ZV_RELEASE_BUILD

runs=60 presses=1000 idle=60 realtime=1
for arg in "$@"; do
    case "$arg" in
        --quick) runs=10 presses=100 idle=10 ;;
        --runs=*) runs=${arg#*=} ;;
        --presses=*) presses=${arg#*=} ;;
        --idle=*) idle=${arg#*=} ;;
        --no-realtime) realtime=0 ;;
        *) echo "usage: bash tools/bench.sh [--quick] [--runs=N] [--presses=N] [--idle=SECONDS] [--no-realtime]" >&2
           exit 2 ;;
    esac
done

bash tools/setup.sh
cmake --preset "$preset" -B "$build" -DZORVANE_BENCH=ON >/dev/null
cmake --build "$build" --target zvbench_all -j2

bin="$build/bin"

echo
echo "machine: $(nproc) processors, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n1)"
echo "system:  $(uname -sr), $(wine --version 2>/dev/null || echo 'wine: unknown version')"
brisklet="$build/updater/Brisklet.exe"
echo "sizes:   Zorvane.exe $(stat -c %s "$bin/Zorvane.exe") bytes, Brisklet.exe $(stat -c %s "$brisklet") bytes"

# Everything from here on, Xvfb and the wineserver included, inherits the
# priority. Under the load of parallel compiles, presses at normal priority
# took 0.5 to 40 ms, in two clusters, and the spread hid a difference of
# 10 %; at real-time priority they took 1.5 to 6 ms (docs/PERFORMANCE.md).
priority="normal"
if ((realtime)); then
    if chrt --fifo --pid 1 $$ 2>/dev/null; then
        priority="real-time (SCHED_FIFO 1)"
    else
        priority="normal (real-time scheduling not allowed here; the intervals are wider under load)"
    fi
fi
echo "priority: $priority"
echo "load:    $(cut -d' ' -f1-3 /proc/loadavg) (1, 5, 15 minutes) at the start"
zv_env_start "$build"

status=0
# The app icon's large image is stored PNG-compressed; check that this Wine
# draws it as the plain bitmap form would. The generator writes that form on
# request.
if command -v python3 >/dev/null 2>&1; then
    icons="$build/bench-icons"
    python3 res/gen-icons.py --out "$icons" --app-dib "$icons/app-dib.ico" >/dev/null
    if ! cmp -s "$icons/app.ico" res/icons/app.ico; then
        echo "icon check: res/icons/app.ico is not what res/gen-icons.py draws" >&2
        status=1
    fi
    wine "$bin/zvbench_icon_check.exe" "$(zv_winpath "$bin/Zorvane.exe")" "$(zv_winpath "$icons/app-dib.ico")" \
        </dev/null || status=1
else
    echo "icon check: skipped (no python3)"
fi

work="$build/bench-work"
rm -rf "$work"
mkdir -p "$work"
wine "$bin/zvbench.exe" \
    "--zorvane=$(zv_winpath "$bin/Zorvane.exe")" \
    "--brisklet=$(zv_winpath "$brisklet")" \
    "--floor-startup=$(zv_winpath "$bin/zvbench_floor_startup.exe")" \
    "--floor-hotkey=$(zv_winpath "$bin/zvbench_floor_hotkey.exe")" \
    "--work=$(zv_winpath "$work")" \
    "--runs=$runs" "--presses=$presses" "--idle=$idle" </dev/null || status=$?

echo "load:    $(cut -d' ' -f1-3 /proc/loadavg) (1, 5, 15 minutes) at the end"
zv_env_stop
exit "$status"
