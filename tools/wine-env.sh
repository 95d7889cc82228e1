# Wine environment for the run and test commands. Source this file, then:
#
#   ZV_ROOT                  the repository's root folder
#   zv_wait_for LIMIT CMD... polls until CMD succeeds or LIMIT seconds passed
#   zv_env_start BUILD_DIR   X display, Wine prefix in BUILD_DIR/wineprefix,
#                            persistent wineserver; stopped again on exit
#   zv_env_stop              stops what zv_env_start started (idempotent)
#   zv_ctl DESKTOP ZVCTL ARGS...
#                            runs zvctl (tools/Zvctl.cpp) inside Wine's
#                            virtual desktop DESKTOP ("name,WxH") and prints
#                            its answer after "ok"
#   zv_winpath PATH          the path as Wine's programs see it
#
# ZORVANE_DISPLAY_FROM picks the first display number tried (default 90);
# ZORVANE_XVFB_SCREEN the screen geometry (default 1280x1024x24);
# ZORVANE_WINE64=1 runs 64-bit Wine alone, for machines that cannot execute
# 32-bit x86 code (zv_runs_32bit_code says which kind this one is, and
# zv_choose_runnable_build COMMAND NOTE picks the build accordingly, and
# zv_choose_release_build COMMAND NOTE [FOLDER] the release among them).

# The ANSI code page must be 936, the one the program's texts are written in.
# Wine derives it from the locale name; the glibc locale (tools/setup.sh makes
# it) gives file names on disk their UTF-8. Where it is missing, bash's
# complaint is silenced.
export LC_ALL=zh_CN.UTF-8 2>/dev/null
export WINEDEBUG=-all
# Keeps Wine from offering to install Mono and Gecko on a fresh prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="

ZV_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

_zv_xvfb_pid=""
_zv_server_started=""

_zv_log() { printf 'wine-env: %s\n' "$*" >&2; }

# Polls until COMMAND succeeds or LIMIT seconds have passed.
zv_wait_for() {
    local limit=$1; shift
    local deadline=$((SECONDS + limit))
    until "$@" >/dev/null 2>&1; do
        if ((SECONDS >= deadline)); then return 1; fi
        sleep 0.1
    done
}

_zv_display_answers() { xdpyinfo -display ":$1"; }

# Starts Xvfb on the first free display from ZORVANE_DISPLAY_FROM upwards.
# Another server may claim the same number between our look and its start, so
# a server that dies at once moves us on to the next number.
_zv_start_xvfb() {
    local n=${ZORVANE_DISPLAY_FROM:-90}
    local last=$((n + 200))
    local screen=${ZORVANE_XVFB_SCREEN:-1280x1024x24}
    mkdir -p "$ZV_BUILD_DIR"
    for (( ; n < last; n++)); do
        if [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]]; then continue; fi
        Xvfb ":$n" -screen 0 "$screen" -nolisten tcp >"$ZV_BUILD_DIR/xvfb.log" 2>&1 </dev/null &
        local pid=$!
        local deadline=$((SECONDS + 20))
        while kill -0 "$pid" 2>/dev/null; do
            if _zv_display_answers "$n" >/dev/null 2>&1; then
                _zv_xvfb_pid=$pid
                export DISPLAY=":$n"
                return 0
            fi
            if ((SECONDS >= deadline)); then
                kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
                _zv_log "Xvfb on :$n did not answer within 20 s"
                break
            fi
            sleep 0.1
        done
        wait "$pid" 2>/dev/null
    done
    _zv_log "could not start Xvfb (see $ZV_BUILD_DIR/xvfb.log)"
    return 1
}

# True when DISPLAY names an X server that answers.
zv_display_reachable() {
    [[ -n "${DISPLAY:-}" ]] && xdpyinfo -display "$DISPLAY" >/dev/null 2>&1
}

# True when 32-bit Wine runs here. Some virtual machines run 64-bit processes
# only; on others the 32-bit Wine could not be installed (setup.sh), though a
# 32-bit C library may be there. An emulator registered for 32-bit programs
# (qemu-user) would run it, but Wine under it needs about a minute for each
# process: far too slow for the suites. ZORVANE_WINE32_LOADER names the
# loader asked (default Debian's).
zv_runs_32bit_code() {
    ! grep -qs '^enabled' /proc/sys/fs/binfmt_misc/qemu-i386 &&
        "${ZORVANE_WINE32_LOADER:-/usr/lib/wine/wine}" --version >/dev/null 2>&1
}

# Chooses the build Wine can run here. Sets ZV_RUNNABLE_SUFFIX to the preset
# suffix: empty where 32-bit code runs; "-x64" where it does not, and then
# also exports ZORVANE_WINE64=1 and says so in one line ("COMMAND: ... NOTE").
zv_choose_runnable_build() {
    ZV_RUNNABLE_SUFFIX=""
    if zv_runs_32bit_code; then return 0; fi
    ZV_RUNNABLE_SUFFIX="-x64"
    export ZORVANE_WINE64=1
    printf '%s: 32-bit Wine does not run on this machine; %s\n' "$1" "$2"
}

# The release build Wine can run here, for COMMAND (see above): sets
# ZV_RELEASE_PRESET, and ZV_RELEASE_BUILD to FOLDER when one is given, else to
# the preset's own folder, as an absolute path either way.
zv_choose_release_build() {
    zv_choose_runnable_build "$1" "$2"
    ZV_RELEASE_PRESET=release$ZV_RUNNABLE_SUFFIX
    ZV_RELEASE_BUILD=${3:-$ZV_ROOT/build-$ZV_RELEASE_PRESET}
    [[ "$ZV_RELEASE_BUILD" = /* ]] || ZV_RELEASE_BUILD="$PWD/$ZV_RELEASE_BUILD"
}

# Puts 64-bit Wine first on PATH: the distribution's wine and the tools that
# call it (wineboot, reg) would pick the 32-bit loader whenever it is
# installed, runnable or not.
_zv_use_wine64() {
    local shim="$ZV_BUILD_DIR/wine64-bin"
    mkdir -p "$shim"
    local name
    for name in wine wine-stable; do
        printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$shim/$name"
        chmod +x "$shim/$name"
    done
    export PATH="$shim:$PATH" WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64
}

# Debian's Wine looks for its own fonts in a folder its file layer cannot
# open, so none of them load. Without Marlett, the symbol font the caption
# buttons are drawn in, a text font draws their letters instead ("0 1 r").
# Wine also loads every font in the prefix's Fonts folder.
_zv_install_marlett() {
    local src=/usr/share/wine/fonts/marlett.ttf
    local dst="$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf"
    if [[ ! -f $src ]]; then
        _zv_log "no $src (package fonts-wine): caption buttons will show letters"
        return 0
    fi
    cmp -s "$src" "$dst" || cp "$src" "$dst"
}

# Sets NAME under KEY of the prefix's user registry to DATA, a string or
# dword:HEX, on every start, so that prefixes made before a setting get it
# too. NAME must be the only value of that name in the user's registry: the
# registry file is read first, since that costs less than a Wine start.
_zv_set_user_value() {
    local key=$1 name=$2 data=$3 type=REG_SZ line="\"$2\"=\"$3\""
    if [[ $data == dword:* ]]; then type=REG_DWORD line="\"$name\"=$data" data=$((16#${data#dword:})); fi
    grep -qxF "$line" "$WINEPREFIX/user.reg" 2>/dev/null && return 0
    wine reg add "$key" /v "$name" /t "$type" /d "$data" /f </dev/null >>"$ZV_BUILD_DIR/wineboot.log" 2>&1
}

zv_env_start() {
    ZV_BUILD_DIR=$(cd "$1" && pwd) || return 1
    export WINEPREFIX="$ZV_BUILD_DIR/wineprefix"
    if [[ "${ZORVANE_WINE64:-}" == 1 ]]; then _zv_use_wine64; fi
    trap zv_env_stop EXIT
    trap 'zv_env_stop; exit 130' INT
    trap 'zv_env_stop; exit 143' TERM

    # On a display of its own no window manager runs, and Wine then keeps
    # every top-level window to itself, as Windows does. Left "managed", each
    # hide would wait two seconds for a manager to confirm it, which is most
    # of the time of a test that ends the program.
    local managed=N
    if [[ "${ZORVANE_USE_DISPLAY:-}" == 1 ]] && zv_display_reachable; then
        managed=Y # the caller's own display, with the caller's manager
    else
        _zv_start_xvfb || return 1
    fi

    # A server left over by an interrupted run would keep its own display
    # and make the waits below hang; the prefix is ours, so end it.
    wineserver -k 2>/dev/null || true
    timeout 30 wineserver -w 2>/dev/null || true

    # The first boot of a prefix runs on a server of its own, which then
    # writes the registry out when it ends; the marker is set only after that.
    if [[ ! -f "$WINEPREFIX/.zorvane-prefix-v1" ]]; then
        _zv_log "initialising Wine prefix $WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        wineboot -i </dev/null >"$ZV_BUILD_DIR/wineboot.log" 2>&1 || {
            _zv_log "wineboot failed (see $ZV_BUILD_DIR/wineboot.log)"; return 1; }
        # With no window manager on the display, Wine must draw the caption
        # itself, or the caption buttons tests click would not exist.
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f \
            </dev/null >>"$ZV_BUILD_DIR/wineboot.log" 2>&1 || {
            _zv_log "cannot configure the Wine prefix"; return 1; }
        timeout 60 wineserver -w || true
        touch "$WINEPREFIX/.zorvane-prefix-v1"
    fi
    # On every start, so that prefixes made before it get the font too.
    _zv_install_marlett || { _zv_log "cannot configure the Wine prefix"; return 1; }

    wineserver -p </dev/null || return 1
    _zv_server_started=1
    _zv_set_user_value 'HKCU\Software\Wine\X11 Driver' Managed "$managed" &&
        # A crashing program starts Wine's debugger, which by default shows a
        # dialog and waits, with the program and the output of whatever ran
        # it held open, until somebody answers. Without the dialog it writes
        # the backtrace to the program's output and ends the program at once.
        _zv_set_user_value 'HKCU\Software\Wine\WineDbg' ShowCrashDialog dword:00000000 ||
        { _zv_log "cannot configure the Wine prefix"; return 1; }
    # The first client after the server start also brings up the prefix's
    # services; a trivial command does it before any timed test runs.
    wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

# Wine reaches the Unix file system through drive Z:.
zv_winpath() { local p=${1//\//\\}; printf 'Z:%s' "$p"; }

zv_ctl() {
    local desktop=$1 zvctl=$2; shift 2
    local answer
    answer=$(mktemp -u "$ZV_BUILD_DIR/zvctl-answer.XXXXXX")
    wine explorer "/desktop=$desktop" "$zvctl" "$(zv_winpath "$answer")" "$@" \
        </dev/null >/dev/null 2>&1 &
    # Programs of the virtual desktop have no terminal: the answer comes as
    # a file, written whole.
    if ! zv_wait_for 300 test -s "$answer"; then
        _zv_log "zvctl $1: no answer"
        return 1
    fi
    local line
    line=$(<"$answer")
    rm -f "$answer"
    if [[ $line != ok* ]]; then
        _zv_log "zvctl $1: $line"
        return 1
    fi
    printf '%s\n' "${line#ok}"
}

zv_env_stop() {
    if [[ -n "$_zv_server_started" ]]; then
        wineserver -k 2>/dev/null || true
        # -k only signals; wait until this prefix's server is gone so that
        # no client of the prefix outlives us.
        timeout 30 wineserver -w 2>/dev/null || true
        _zv_server_started=""
    fi
    if [[ -n "$_zv_xvfb_pid" ]]; then
        kill "$_zv_xvfb_pid" 2>/dev/null || true
        wait "$_zv_xvfb_pid" 2>/dev/null || true
        _zv_xvfb_pid=""
    fi
}
