#!/usr/bin/env bash
# Pictures of Zorvane as a person sees it, for docs/screenshots/:
#   main.png        the main dialog, pointer away
#   main-hover.png  the main dialog, pointer over the Exit button
#   about.png       the About box, opened through the tray command
#
# usage: tools/screenshots.sh [BUILD_DIR]      (default: build)
#
# Uses BUILD_DIR/bin/Zorvane.exe, building it first if it is missing (set
# ZORVANE_SHOTS_REBUILD=1 to build it anyway). The program runs inside Wine's
# virtual desktop on a private X server; zvctl (tools/zvctl.cpp) finds its
# windows, moves the pointer, opens the About box and ends the program, and
# ImageMagick's import takes the pictures.
#
# ZORVANE_SHOTS_DISPLAY picks the X display number (default: the first free
# one from 150); ZORVANE_SHOTS_OUT the output folder.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=$(mkdir -p "${1:-$ROOT/build}" && cd "${1:-$ROOT/build}" && pwd)
OUT=${ZORVANE_SHOTS_OUT:-$ROOT/docs/screenshots}
DESKTOP_NAME=Zorvane
# The X screen is exactly the virtual desktop: the pointer starts inside it,
# and Wine moves the pointer only while it is inside the desktop's window.
DESKTOP_SIZE=640x480

log() { printf 'screenshots: %s\n' "$*" >&2; }
die() { log "$*"; exit 1; }

# Polls until COMMAND succeeds or LIMIT seconds have passed.
wait_for() {
    local limit=$1; shift
    local deadline=$((SECONDS + limit))
    until "$@" >/dev/null 2>&1; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

# ---- Tools -------------------------------------------------------------------
for tool in wine wineserver winepath Xvfb xwininfo xdpyinfo; do
    command -v "$tool" >/dev/null || die "$tool is missing (see the README's setup)"
done
if ! command -v import >/dev/null; then
    if [[ $(id -u) == 0 ]]; then
        log "installing ImageMagick"
        apt-get install -y imagemagick >/dev/null
    else
        die "ImageMagick's import is missing: apt-get install imagemagick"
    fi
fi

# ---- Build ---------------------------------------------------------------------
EXE=$BUILD/bin/Zorvane.exe
if [[ ! -f $EXE || ${ZORVANE_SHOTS_REBUILD:-0} == 1 ]]; then
    log "building Zorvane in $BUILD"
    [[ -f $BUILD/CMakeCache.txt ]] || cmake --preset default -B "$BUILD" >/dev/null
    cmake --build "$BUILD" --target Zorvane -j2 >/dev/null
fi
[[ -f $EXE ]] || die "no $EXE"

WORK=$(mktemp -d /tmp/zorvane-shots.XXXXXX)
# zvctl is a target of the build once tools/ is part of it; until then it is
# compiled here with the same cross compiler.
ZVCTL=$BUILD/bin/zvctl.exe
if ! cmake --build "$BUILD" --target zvctl -j2 >/dev/null 2>&1; then
    ZVCTL=$WORK/zvctl.exe
    i686-w64-mingw32-g++-posix -std=c++17 -O2 -Wall -Wextra -Werror -static \
        "$ROOT/tools/zvctl.cpp" -o "$ZVCTL" || die "could not build zvctl"
fi

# ---- Private X server and Wine prefix --------------------------------------------
# Code page 936, the one the program's texts are in; Wine takes it from the
# locale name alone, so bash's complaint about an ungenerated locale is hushed.
{ export LC_ALL=zh_CN.UTF-8; } 2>/dev/null
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX=$BUILD/screenshots-wineprefix

XVFB_PID=""
APP_PID=""
cleanup() {
    set +e
    if [[ -n $APP_PID ]] && kill -0 "$APP_PID" 2>/dev/null; then
        wineserver -k 2>/dev/null
    fi
    timeout 30 wineserver -w 2>/dev/null
    [[ -n $XVFB_PID ]] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

display=${ZORVANE_SHOTS_DISPLAY:-150}
for ((; display < 400; display++)); do
    [[ -e /tmp/.X$display-lock || -e /tmp/.X11-unix/X$display ]] && continue
    Xvfb ":$display" -screen 0 "${DESKTOP_SIZE}x24" -nolisten tcp >"$WORK/xvfb.log" 2>&1 </dev/null &
    XVFB_PID=$!
    if wait_for 20 xdpyinfo -display ":$display"; then break; fi
    kill "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null; XVFB_PID=""
    [[ -n ${ZORVANE_SHOTS_DISPLAY:-} ]] && break
done
[[ -n $XVFB_PID ]] || die "could not start Xvfb"
export DISPLAY=":$display"

if [[ ! -f $WINEPREFIX/.zorvane-booted ]]; then
    log "initialising the Wine prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot -i >"$WORK/wineboot.log" 2>&1 </dev/null || die "wineboot failed"
    wineserver -w
    touch "$WINEPREFIX/.zorvane-booted"
fi

# ---- The program in the virtual desktop --------------------------------------------
cp "$EXE" "$WORK/Zorvane.exe"
(cd "$WORK" && exec wine explorer "/desktop=$DESKTOP_NAME,$DESKTOP_SIZE" Zorvane.exe) \
    >"$WORK/app.log" 2>&1 </dev/null &
APP_PID=$!

desktop_shown() { xwininfo -root -tree 2>/dev/null | grep -q "\"$DESKTOP_NAME - Wine desktop\""; }
wait_for 60 desktop_shown || die "the virtual desktop did not appear"
read -r DX DY < <(xwininfo -name "$DESKTOP_NAME - Wine desktop" 2>/dev/null |
    awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}')

# Runs zvctl inside the desktop (its answer goes to a file, as programs
# there have no terminal) and prints the answer without its "ok".
answer_no=0
zv() {
    local answer=$WORK/answer$((++answer_no)).txt
    wine explorer "/desktop=$DESKTOP_NAME,$DESKTOP_SIZE" "$ZVCTL" "$(winepath -w "$answer")" "$@" \
        >/dev/null 2>&1 </dev/null &
    wait_for 60 test -s "$answer" || die "zvctl $1: no answer"
    local line
    line=$(<"$answer")
    [[ $line == ok* ]] || die "zvctl $1: ${line}"
    printf '%s\n' "${line#ok}"
}

# The pixels of a desktop rectangle "x y w h", as raw RGB.
grab() {
    import -window root -crop "$3x$4+$((DX + $1))+$((DY + $2))" +repage "rgb:$5" 2>/dev/null
}

# Waits until the rectangle shows the same pixels twice in a row, and,
# if given a capture to leave behind, pixels different from it.
settle() {
    local x=$1 y=$2 w=$3 h=$4 unlike=${5:-}
    local previous=$WORK/settle-a.rgb current=$WORK/settle-b.rgb
    local deadline=$((SECONDS + 20))
    grab "$x" "$y" "$w" "$h" "$previous"
    while ((SECONDS < deadline)); do
        sleep 0.2
        grab "$x" "$y" "$w" "$h" "$current"
        if cmp -s "$previous" "$current" && { [[ -z $unlike ]] || ! cmp -s "$current" "$unlike"; }; then
            return 0
        fi
        mv "$current" "$previous"
    done
    return 1
}

save() {
    import -window root -crop "$3x$4+$((DX + $1))+$((DY + $2))" +repage "$5" 2>/dev/null
    log "wrote $5"
}

answer=$(zv main 30000)
read -r MX MY MW MH EX EY EW EH <<<"$answer"
mkdir -p "$OUT"

# Pointer away from the dialog.
zv pointer $((${DESKTOP_SIZE%x*} - 20)) $((${DESKTOP_SIZE#*x} / 2)) >/dev/null
settle "$EX" "$EY" "$EW" "$EH" || die "the Exit button did not settle"
grab "$EX" "$EY" "$EW" "$EH" "$WORK/exit-away.rgb"
settle "$MX" "$MY" "$MW" "$MH" || die "the main dialog did not settle"
save "$MX" "$MY" "$MW" "$MH" "$OUT/main.png"

# Pointer over the Exit button: its hover look must show before the picture.
zv pointer $((EX + EW / 2)) $((EY + EH / 2)) >/dev/null
settle "$EX" "$EY" "$EW" "$EH" "$WORK/exit-away.rgb" || die "the Exit button shows no hover look"
save "$MX" "$MY" "$MW" "$MH" "$OUT/main-hover.png"

# The About box, through the tray menu's command.
answer=$(zv about 30000)
read -r AX AY AW AH <<<"$answer"
settle "$AX" "$AY" "$AW" "$AH" || die "the About box did not settle"
save "$AX" "$AY" "$AW" "$AH" "$OUT/about.png"

# End the program as a user would, and wait for its desktop to go.
zv quit 30000 >/dev/null
if ! wait_for 30 bash -c "! kill -0 $APP_PID"; then
    log "the desktop outlived the program; ending the prefix's processes"
    wineserver -k
fi
wait "$APP_PID" 2>/dev/null || true
APP_PID=""
