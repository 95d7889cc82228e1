#!/usr/bin/env bash
# Pictures of Zorvane as a person sees it, for docs/screenshots/:
#   main.png          the main dialog, pointer away
#   main-hover.png    the main dialog, pointer over the Exit button
#   finder-tip.png    the main dialog with the cross-hair's tool tip
#   tray-menu.png     the tray icon's menu, open over the taskbar
#   tray-on-top.png   the same menu listing two windows on top, with the
#                     rules' submenu open on the rule for their program
#   hotkey-new.png    the hotkey editor unlocked, Shift+F8 typed and taken
#   hotkey-taken.png  the same with Ctrl+F9, which another program holds:
#                     the group box reads 热键无效
#   about.png         the About box, opened through the tray command
#   main-150.png,     the main dialog and the About box at 150 % (144 DPI)
#   about-150.png
#
# usage: tools/screenshots.sh [BUILD_DIR]      (default: build-release, or
#                                             build-release-x64 where no
#                                             32-bit code runs)
#
# Builds BUILD_DIR/bin/Zorvane.exe and zvctl (the release preset, or its x64
# twin, unless the folder is configured already) and runs a copy of the program, so that the
# hotkey edits here never reach the build's own, inside Wine's virtual
# desktop on a private X server set up by tools/wine-env.sh. zvctl
# (tools/Zvctl.cpp) finds its windows, moves the pointer, opens the menus and
# dialogs, edits the hotkey and ends the program; ImageMagick's import takes
# the pictures.
#
# ZORVANE_SHOTS_OUT names the output folder.
set -euo pipefail

# shellcheck source=tools/wine-env.sh
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
ROOT=$ZV_ROOT
zv_choose_release_build screenshots "taking them of the x64 build of the release under 64-bit Wine" "${1:-}"
PRESET=$ZV_RELEASE_PRESET
BUILD=$ZV_RELEASE_BUILD
mkdir -p "$BUILD"
OUT=${ZORVANE_SHOTS_OUT:-$ROOT/docs/screenshots}
DESKTOP_NAME=Zorvane
# The X screen is exactly the virtual desktop: the pointer starts inside it,
# and Wine moves the pointer only while it is inside the desktop's window.
DESKTOP_SIZE=640x480
DESKTOP="$DESKTOP_NAME,$DESKTOP_SIZE"

log() { printf 'screenshots: %s\n' "$*" >&2; }
die() { log "$*"; exit 1; }

# ---- Tools -------------------------------------------------------------------
bash "$ROOT/tools/setup.sh"

# ---- Build ---------------------------------------------------------------------
[[ -f $BUILD/CMakeCache.txt ]] || cmake --preset "$PRESET" -B "$BUILD" >/dev/null
log "building Zorvane and zvctl in $BUILD"
cmake --build "$BUILD" --target Zorvane zvctl -j2 >/dev/null
EXE=$BUILD/bin/Zorvane.exe
ZVCTL=$BUILD/bin/zvctl.exe
[[ -f $EXE && -f $ZVCTL ]] || die "no $EXE or $ZVCTL"
WORK=$(mktemp -d /tmp/zorvane-shots.XXXXXX)

# ---- Private X server and Wine prefix --------------------------------------------
export ZORVANE_DISPLAY_FROM=${ZORVANE_DISPLAY_FROM:-150}
export ZORVANE_XVFB_SCREEN=${DESKTOP_SIZE}x24
zv_env_start "$BUILD" || die "could not set up Xvfb and Wine"
trap 'zv_env_stop; rm -rf "$WORK"' EXIT

# ---- The program in the virtual desktop --------------------------------------------
cp "$EXE" "$WORK/Zorvane.exe"
desktop_shown() { xwininfo -root -tree 2>/dev/null | grep -q "\"$DESKTOP_NAME - Wine desktop\""; }
start_program() {
    (cd "$WORK" && exec wine explorer "/desktop=$DESKTOP" Zorvane.exe) \
        >>"$WORK/app.log" 2>&1 </dev/null &
    APP_PID=$!
    zv_wait_for 60 desktop_shown || die "the virtual desktop did not appear"
    read -r DX DY < <(xwininfo -name "$DESKTOP_NAME - Wine desktop" 2>/dev/null |
        awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}')
}
# Ends the program as a user would, and waits for its desktop to go.
end_program() {
    zv quit 30000 >/dev/null
    if ! zv_wait_for 30 bash -c "! kill -0 $APP_PID"; then
        log "the desktop outlived the program; ending the prefix's processes"
        wineserver -k
    fi
    wait "$APP_PID" 2>/dev/null || true
    APP_PID=""
}
start_program

zv() { zv_ctl "$DESKTOP" "$ZVCTL" "$@" || die "zvctl $1 failed"; }

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
read -r MX MY MW MH EX EY EW EH FX FY FW FH <<<"$answer"
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

# Pointer on the cross-hair: its tool tip tells both drags. The picture takes
# in the dialog and the tip.
answer=$(zv tip $((FX + FW / 2)) $((FY + FH / 2)) 30000)
read -r PX PY PW PH <<<"$answer"
L=$((MX < PX ? MX : PX)) T=$((MY < PY ? MY : PY))
R=$((MX + MW > PX + PW ? MX + MW : PX + PW)) B=$((MY + MH > PY + PH ? MY + MH : PY + PH))
settle "$L" "$T" $((R - L)) $((B - T)) || die "the tool tip did not settle"
save "$L" "$T" $((R - L)) $((B - T)) "$OUT/finder-tip.png"

W=${DESKTOP_SIZE%x*} H=${DESKTOP_SIZE#*x}

# The tray menu, opened at the pointer over the taskbar's notification area
# as a right click there does; the picture runs from the menu down to the
# desktop's bottom right corner, taking in the taskbar and its tray.
zv pointer $((W - 40)) $((H - 12)) >/dev/null
answer=$(zv tray-menu 30000)
read -r TX TY TW TH <<<"$answer"
TX=$((TX > 8 ? TX - 8 : 0)) TY=$((TY > 8 ? TY - 8 : 0))
settle "$TX" "$TY" $((W - TX)) $((H - TY)) || die "the tray menu did not settle"
save "$TX" "$TY" $((W - TX)) $((H - TY)) "$OUT/tray-menu.png"
zv close-menu 30000 >/dev/null

# Two windows of another program, on top by its own doing; a rule for that
# program made from the first one's submenu (Down, Right, A), then the menu
# opened again with the rules' submenu (P). The rule is removed again, so
# that the program ends with nothing to save.
for _ in 1 2; do (cd "$WORK" && exec wine explorer "/desktop=$DESKTOP" notepad) >/dev/null 2>&1 </dev/null & done
zv on-top Notepad 2 60000 >/dev/null
zv pointer $((W - 40)) $((H - 12)) >/dev/null
zv tray-menu 30000 >/dev/null
zv menu-keys 0x28 0x27 A >/dev/null
zv tray-menu 30000 >/dev/null
read -r RX RY RW RH <<<"$(zv menu-keys P)"
RX=$((RX > 8 ? RX - 8 : 0)) RY=$((RY > 8 ? RY - 8 : 0))
settle "$RX" "$RY" $((W - RX)) $((H - RY)) || die "the menu with its windows on top did not settle"
save "$RX" "$RY" $((W - RX)) $((H - RY)) "$OUT/tray-on-top.png"
zv menu-keys 0x28 0x0D >/dev/null
zv close-menu 30000 >/dev/null
zv close Notepad >/dev/null
zv pointer $((W - 20)) $((H / 2)) >/dev/null

# The hotkey editor: unlocked, Shift+F8 typed (control flags 0x01, key 0x77)
# and registered.
zv unlock 30000 >/dev/null
[[ $(zv type 0x01 0x77 30000) == " registered" ]] || die "Shift+F8 was not registered"
settle "$MX" "$MY" "$MW" "$MH" || die "the main dialog did not settle"
save "$MX" "$MY" "$MW" "$MH" "$OUT/hotkey-new.png"

# Ctrl+F9 held by another program (MOD_CONTROL 0x2, key 0x78): typed into the
# editor, it is refused and the group box reads 热键无效.
zv hold 0x2 0x78 >/dev/null
grab "$MX" "$MY" "$MW" "$MH" "$WORK/hotkey-new.rgb"
[[ $(zv type 0x02 0x78 30000) == " taken" ]] || die "Ctrl+F9 held elsewhere was not refused"
settle "$MX" "$MY" "$MW" "$MH" "$WORK/hotkey-new.rgb" || die "the main dialog did not settle"
save "$MX" "$MY" "$MW" "$MH" "$OUT/hotkey-taken.png"

# F7 again, so that the program ends with the hotkey it started with and
# saves nothing.
[[ $(zv type 0 0x76 30000) == " registered" ]] || die "F7 was not registered again"

# The About box, through the tray menu's command.
answer=$(zv about 30000)
read -r AX AY AW AH <<<"$answer"
settle "$AX" "$AY" "$AW" "$AH" || die "the About box did not settle"
save "$AX" "$AY" "$AW" "$AH" "$OUT/about.png"

end_program

# ---- At 150 % ----------------------------------------------------------------
# Wine takes the DPI from the user's desktop settings as each program starts,
# so the desktop, the program and zvctl started from here on run at 144 DPI.
# The prefix is the build's and outlives this run: the setting goes again.
DPI_KEY='HKCU\Control Panel\Desktop'
trap 'wine reg delete "$DPI_KEY" /v LogPixels /f >/dev/null 2>&1; zv_env_stop; rm -rf "$WORK"' EXIT
wine reg add "$DPI_KEY" /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1 || die "could not set 144 DPI"
start_program
answer=$(zv main 30000)
read -r MX MY MW MH _ <<<"$answer"
zv pointer $((W - 20)) $((H / 2)) >/dev/null
settle "$MX" "$MY" "$MW" "$MH" || die "the main dialog at 150 % did not settle"
save "$MX" "$MY" "$MW" "$MH" "$OUT/main-150.png"
answer=$(zv about 30000)
read -r AX AY AW AH <<<"$answer"
settle "$AX" "$AY" "$AW" "$AH" || die "the About box at 150 % did not settle"
save "$AX" "$AY" "$AW" "$AH" "$OUT/about-150.png"
end_program
