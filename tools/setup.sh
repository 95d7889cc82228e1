#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12. Quiet and
# quick when everything is there already; uses sudo when not run as root.
set -euo pipefail

packages=(
    cmake make
    g++-mingw-w64-i686-posix binutils-mingw-w64-i686
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine wine32 wine64
    xvfb xauth x11-utils locales
    fonts-wqy-microhei fonts-wine
    googletest
    imagemagick zopfli
    clang libclang-rt-dev lld llvm
)

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

need_i386=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    need_i386=1
fi

missing=()
for p in "${packages[@]}"; do
    installed "$p" || missing+=("$p")
done

# Wine names files on disk in the locale's character set: without the
# locale itself, names outside ASCII (the tests use Chinese ones) cannot be
# created at all.
have_locale() { locale -a 2>/dev/null | grep -qix 'zh_CN.utf-\?8'; }
make_locale() {
    have_locale || "${as_root[@]}" localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
}

if ((need_i386 == 0 && ${#missing[@]} == 0)); then
    make_locale
    exit 0
fi

export DEBIAN_FRONTEND=noninteractive
if ((need_i386)); then
    echo "setup: adding the i386 architecture (wine32 needs it)"
    "${as_root[@]}" dpkg --add-architecture i386
fi
echo "setup: installing ${missing[*]:-(none)}"
# A mirror in the middle of a sync fails the update of one list now and then;
# a later try usually finds it whole. After the last, the lists as they are may
# still hold every package, and the install below says so if they do not.
for try in 1 2 3; do
    "${as_root[@]}" apt-get update -qq && break
    echo "setup: apt-get update failed (try $try of 3)"
    ((try == 3)) || sleep 10
done
if ((${#missing[@]})); then
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" </dev/null >/dev/null
fi
make_locale
echo "setup: done"
