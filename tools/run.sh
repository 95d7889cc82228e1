#!/usr/bin/env bash
# The run command: installs what is missing, builds the release (the one
# Zorvane.exe a user ships) and starts it in place under Wine.
#
# With a reachable X display ($DISPLAY) the program runs there until the user
# ends it from its tray menu or Exit button. Without one, it runs inside
# Wine's virtual desktop (which has a taskbar and tray) on a private Xvfb;
# once its dialog shows, a screenshot is saved to
# BUILD/screenshots/zorvane.png and the program is ended again.
# ZORVANE_BUILD_DIR overrides the build folder (default build-release).
#
# A machine that runs no 32-bit code gets the same release built for x64
# (build-release-x64), under 64-bit Wine: the program a user ships cannot
# run there.
set -euo pipefail

# Installs first: the environment below names a locale that setup makes.
bash "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
# shellcheck source=tools/wine-env.sh
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
cd "$ZV_ROOT"

zv_choose_release_build run "running the x64 build of the release under 64-bit Wine" "${ZORVANE_BUILD_DIR:-}"
build=$ZV_RELEASE_BUILD
cmake --preset "$ZV_RELEASE_PRESET" -B "$build" >/dev/null
cmake --build "$build" --target Zorvane zvctl -j2

exe="$build/bin/Zorvane.exe"
# Builds from before the updater moved to BUILD/updater/ left it here, where
# the program would take it for a leftover of a save and end at once.
rm -f "$build/bin/Brisklet.exe"
echo "run: $exe ($(stat -c %s "$exe") bytes)"

if zv_display_reachable; then
    export ZORVANE_USE_DISPLAY=1
    zv_env_start "$build"
    echo "run: Zorvane runs on $DISPLAY; end it with its Exit button or tray menu"
    wine "$exe" </dev/null
    zv_env_stop
    exit 0
fi

zv_env_start "$build"
desktop=Zorvane,1024x768
shots="$build/screenshots"
mkdir -p "$shots"

wine explorer "/desktop=$desktop" "$exe" </dev/null >"$shots/run.log" 2>&1 &
runner=$!

status=0
if zv_ctl "$desktop" "$build/bin/zvctl.exe" main 60000 >/dev/null; then
    import -display "$DISPLAY" -window root -crop 1024x768+0+0 +repage "$shots/zorvane.png"
    echo "run: screenshot saved to $shots/zorvane.png"
    zv_ctl "$desktop" "$build/bin/zvctl.exe" quit 60000 >/dev/null || status=1
else
    echo "run: the Zorvane dialog did not appear" >&2
    status=1
fi
# The virtual desktop stays up while its shell runs; stopping the prefix's
# server ends it with everything else.
zv_env_stop
wait "$runner" 2>/dev/null || true
exit "$status"
