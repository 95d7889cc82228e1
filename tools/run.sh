#!/usr/bin/env bash
# The run command: installs what is missing, builds, and starts Zorvane.exe
# under Wine.
#
# With a reachable X display ($DISPLAY) the program runs there until the user
# ends it from its tray menu or Exit button. Without one, it runs inside
# Wine's virtual desktop (which has a taskbar and tray) on a private Xvfb;
# once its dialog shows, a screenshot is saved to
# BUILD/screenshots/zorvane.png and the program is ended again.
# ZORVANE_BUILD_DIR overrides the build folder (default build).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
build=${ZORVANE_BUILD_DIR:-build}

bash tools/setup.sh
cmake --preset default -B "$build" >/dev/null
cmake --build "$build" --target Zorvane zorvane_ctl -j2

[[ "$build" = /* ]] || build="$root/$build"
ctl="$build/tests/zorvane_ctl.exe"
# The program runs from a folder of its own: beside the build's Brisklet.exe
# it would take that for a leftover updater, delete it and end.
rundir="$build/run"
rm -rf "$rundir"
mkdir -p "$rundir"
cp "$build/bin/Zorvane.exe" "$rundir/"
exe="$rundir/Zorvane.exe"

# shellcheck source=tools/wine-env.sh
source tools/wine-env.sh

if zv_display_reachable; then
    export ZORVANE_USE_DISPLAY=1
    zv_env_start "$build"
    echo "run: Zorvane runs on $DISPLAY; end it with its Exit button or tray menu"
    wine "$exe" </dev/null
    zv_env_stop
    exit 0
fi

zv_env_start "$build"
desktop=Zorvane
shots="$build/screenshots"
mkdir -p "$shots"

wine explorer "/desktop=$desktop,1024x768" "$exe" </dev/null >"$shots/run.log" 2>&1 &
runner=$!

status=0
if wine "$ctl" "--desktop=$desktop" wait-dialog 30000 </dev/null >/dev/null; then
    import -display "$DISPLAY" -window root -crop 1024x768+0+0 +repage "$shots/zorvane.png"
    echo "run: screenshot saved to $shots/zorvane.png"
    wine "$ctl" "--desktop=$desktop" exit 15000 </dev/null || status=$?
else
    echo "run: the Zorvane dialog did not appear" >&2
    status=1
fi
# The virtual desktop stays up while its shell runs; stopping the prefix's
# server ends it with everything else.
zv_env_stop
wait "$runner" 2>/dev/null || true
exit "$status"
