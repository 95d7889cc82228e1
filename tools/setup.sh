#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12. Quiet and
# quick when everything is there already; uses sudo when not run as root.
#
# Everything but the 32-bit Wine comes from the machine's own architecture
# and is installed first. The 32-bit Wine is tried on its own: a mirror whose
# i386 lists are broken, or a machine that cannot have them, leaves it out,
# and the scripts then run the 64-bit builds under 64-bit Wine
# (zv_choose_runnable_build in wine-env.sh). Each run tries it again, so a
# mirror that is whole again brings it in.
set -euo pipefail

packages=(
    cmake make
    g++-mingw-w64-i686-posix binutils-mingw-w64-i686
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine wine64
    xvfb xauth x11-utils locales
    fonts-wqy-microhei fonts-wine
    googletest
    imagemagick zopfli
    clang libclang-rt-dev lld llvm
)
wine32_package=wine32:i386

if [[ $(id -u) -eq 0 ]]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "setup: not root and no sudo; cannot install packages" >&2
    exit 1
fi

installed() {
    [[ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null)" == "install ok installed" ]]
}

# Wine names files on disk in the locale's character set: without the
# locale itself, names outside ASCII (the tests use Chinese ones) cannot be
# created at all.
have_locale() { locale -a 2>/dev/null | grep -qix 'zh_CN.utf-\?8'; }
make_locale() {
    have_locale || "${as_root[@]}" localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
}

missing=()
for p in "${packages[@]}"; do
    installed "$p" || missing+=("$p")
done
want_wine32=0
installed "$wine32_package" || want_wine32=1

if ((${#missing[@]} == 0 && want_wine32 == 0)); then
    make_locale
    exit 0
fi

export DEBIAN_FRONTEND=noninteractive
# A fresh machine's own daily upgrade, or another checkout's setup, may hold
# apt's lock for a while: wait for it rather than fail.
apt_wait=(-o DPkg::Lock::Timeout=600)
apt_install() {
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get "${apt_wait[@]}" install -y -qq "$@" </dev/null >/dev/null
}

# One broken list (a mirror in the middle of a sync) fails the update as a
# whole, though every other list was read. The lists as they are may still
# hold every package; the install says whether they do, and only then is the
# update worth another try.
lists_read=0
update_lists() {
    lists_read=1
    "${as_root[@]}" apt-get "${apt_wait[@]}" update -qq </dev/null && return 0
    echo "setup: apt-get update reported a failure; going on with the lists it read"
}

if ((${#missing[@]})); then
    echo "setup: installing ${missing[*]}"
    update_lists
    installed_all=0
    for try in 1 2 3; do
        if apt_install "${missing[@]}"; then installed_all=1; break; fi
        ((try == 3)) && break
        echo "setup: the install failed (try $try of 3); updating the lists again"
        sleep 5
        update_lists
    done
    if ((installed_all == 0)); then
        echo "setup: could not install ${missing[*]}" >&2
        exit 1
    fi
fi

if ((want_wine32)); then
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        echo "setup: adding the i386 architecture (wine32 needs it)"
        "${as_root[@]}" dpkg --add-architecture i386
        lists_read=0
    fi
    # The i386 lists are read once a run; a failure here is not final.
    ((lists_read)) || update_lists
    if apt_install "$wine32_package" 2>/dev/null; then
        echo "setup: installed $wine32_package"
    else
        echo "setup: $wine32_package cannot be installed from this machine's package lists; the 64-bit builds run under 64-bit Wine instead"
    fi
fi
make_locale
echo "setup: done"
