#!/usr/bin/env bash
# tools/setup.sh against stand-ins for apt-get, dpkg, dpkg-query, id, sudo,
# locale, localedef and sleep, first on PATH: the machine's packages are never
# touched. Each stand-in appends what it was asked to a log, and the log of a
# run is compared with the table's. Every package counts as installed but
# those a case names as absent; an install of one the case names as broken
# fails, as apt-get's does, for all the packages asked for at once.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir "$work/bin"
cat >"$work/bin/stand-in" <<'STANDIN'
#!/usr/bin/env bash
state=$ZV_FAKE
has() { grep -qxF "$1" "$state/$2" 2>/dev/null; }
case ${0##*/} in
id) echo "$(<"$state/uid")" ;;
sudo) echo sudo >>"$state/log"; exec "$@" ;;
sleep) echo sleep >>"$state/log" ;;
locale) has zh_CN.utf8 locales && echo zh_CN.utf8 ;;
localedef) echo localedef >>"$state/log"; echo zh_CN.utf8 >>"$state/locales" ;;
dpkg-query) has "${!#}" absent && exit 1; echo -n "install ok installed" ;;
dpkg)
    case $1 in
    --print-foreign-architectures) cat "$state/architectures" ;;
    --add-architecture) echo add-arch >>"$state/log"; echo "$2" >>"$state/architectures" ;;
    esac ;;
apt-get)
    words=()
    while (($#)); do
        case $1 in -o) shift ;; -*) ;; *) words+=("$1") ;; esac
        shift
    done
    if [[ ${words[0]} == update ]]; then
        echo update >>"$state/log"
        [[ -e $state/update-fails ]] && exit 100
        exit 0
    fi
    packages=("${words[@]:1}")
    (IFS=,; echo "install:${packages[*]}") >>"$state/log"
    for p in "${packages[@]}"; do has "$p" broken && exit 100; done
    for p in "${packages[@]}"; do sed -i "/^${p}\$/d" "$state/absent"; done ;;
esac
exit 0
STANDIN
chmod +x "$work/bin/stand-in"
for name in id sudo sleep locale localedef dpkg-query dpkg apt-get; do
    ln -s stand-in "$work/bin/$name"
done

# name | uid | absent | broken | i386 added | update fails | locale there |
#   status | log | a line the output must hold
cases=(
"installed already|0|||y|n|y|0||"
"installed, no locale yet|0|||y|n|n|0|localedef|"
"update fails, lists hold all|0|cmake zopfli||y|y|y|0|update install:cmake,zopfli|going on with the lists it read"
"not root|1000|cmake||y|n|y|0|sudo update sudo install:cmake|setup: done"
"wine32 cannot be had|0|wine32:i386|wine32:i386|y|y|y|0|update install:wine32:i386|wine32:i386 cannot be installed"
"fresh machine, broken i386 lists|0|cmake wine32:i386|wine32:i386|n|y|y|0|update install:cmake add-arch update install:wine32:i386|64-bit builds run under 64-bit Wine"
"mirror whole again, one list read for both|0|cmake wine32:i386||y|n|y|0|update install:cmake install:wine32:i386|installed wine32:i386"
"package really missing|0|zopfli|zopfli|y|n|y|1|update install:zopfli sleep update install:zopfli sleep update install:zopfli|could not install zopfli"
)

failures=0
for row in "${cases[@]}"; do
    IFS='|' read -r name uid absent broken i386 update_fails has_locale want_status want_log want_line <<<"$row"
    export ZV_FAKE="$work/state"
    rm -rf "$ZV_FAKE"; mkdir "$ZV_FAKE"; : >"$ZV_FAKE/log"
    echo "$uid" >"$ZV_FAKE/uid"
    printf '%s\n' $absent >"$ZV_FAKE/absent"
    printf '%s\n' $broken >"$ZV_FAKE/broken"
    if [[ $i386 == y ]]; then echo i386; fi >"$ZV_FAKE/architectures"
    if [[ $has_locale == y ]]; then echo zh_CN.utf8 >"$ZV_FAKE/locales"; fi
    if [[ $update_fails == y ]]; then : >"$ZV_FAKE/update-fails"; fi

    output=$(PATH="$work/bin:$PATH" bash "$root/tools/setup.sh" 2>&1)
    status=$?
    log=$(tr '\n' ' ' <"$ZV_FAKE/log"); log=${log% }
    still_absent=$(grep -vxF -f "$ZV_FAKE/broken" "$ZV_FAKE/absent" | tr '\n' ' ')
    problems=()
    [[ $status == "$want_status" ]] || problems+=("status $status, not $want_status")
    [[ $log == "$want_log" ]] || problems+=("calls '$log', not '$want_log'")
    [[ -z $want_line || $output == *"$want_line"* ]] || problems+=("no line with '$want_line'")
    ((want_status != 0)) || [[ -z $still_absent ]] || problems+=("still not installed: $still_absent")
    if ((${#problems[@]})); then
        failures=$((failures + 1))
        printf 'FAILED %s: %s\n--- its output:\n%s\n---\n' "$name" "$(IFS=';'; echo "${problems[*]}")" "$output"
    else
        echo "ok     $name"
    fi
done
((failures == 0))
