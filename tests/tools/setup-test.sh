#!/usr/bin/env bash
# tools/setup.sh against stand-ins for apt-get, dpkg, dpkg-query, id, sudo,
# locale, localedef and sleep, first on PATH, so that the machine's packages
# are never touched. The stand-ins log what they are asked; every package is
# installed but those a case lists as absent, and an install that asks for
# one listed as broken fails as a whole, as apt-get's does.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ZV_FAKE=$work/state
mkdir "$work/bin"
cat >"$work/bin/stand-in" <<'STANDIN'
#!/usr/bin/env bash
cd "$ZV_FAKE"
has() { grep -qxF "$1" "$2" 2>/dev/null; }
case ${0##*/} in
id) cat uid ;;
sudo) echo sudo >>log; exec "$@" ;;
sleep) echo sleep >>log ;;
localedef) echo localedef >>log; echo zh_CN.utf8 >>locales ;;
locale) cat locales 2>/dev/null ;;
dpkg-query) has "${!#}" absent && exit 1; echo -n "install ok installed" ;;
dpkg) if [[ $1 == --add-architecture ]]; then echo add-arch >>log; echo "$2" >>architectures; else cat architectures; fi ;;
apt-get)
    words=()
    while (($#)); do case $1 in -o) shift ;; -*) ;; *) words+=("$1") ;; esac; shift; done
    if [[ ${words[0]} == update ]]; then echo update >>log; [[ ! -e update-fails ]]; exit; fi
    (IFS=,; echo "install:${words[*]:1}") >>log
    for p in "${words[@]:1}"; do has "$p" broken && exit 100; done
    for p in "${words[@]:1}"; do sed -i "/^${p}\$/d" absent; done ;;
esac
STANDIN
chmod +x "$work/bin/stand-in"
for name in id sudo sleep locale localedef dpkg-query dpkg apt-get; do ln -s stand-in "$work/bin/$name"; done

# name | uid | absent | broken | i386 added, update fails, locale there | status | calls | a line of the output
cases=(
"installed already|0|||y n y|0||"
"installed, no locale yet|0|||y n n|0|localedef|"
"update fails, lists hold all|0|cmake zopfli||y y y|0|update install:cmake,zopfli|going on with the lists it read"
"not root|1000|cmake||y n y|0|sudo update sudo install:cmake|setup: done"
"wine32 cannot be had|0|wine32:i386|wine32:i386|y y y|0|update install:wine32:i386|wine32:i386 cannot be installed"
"fresh machine, broken i386 lists|0|cmake wine32:i386|wine32:i386|n y y|0|update install:cmake add-arch update install:wine32:i386|64-bit builds run under 64-bit Wine"
"mirror whole again, one update for both|0|cmake wine32:i386||y n y|0|update install:cmake install:wine32:i386|installed wine32:i386"
"package really missing|0|zopfli|zopfli|y n y|1|update install:zopfli sleep update install:zopfli sleep update install:zopfli|could not install zopfli"
)
failures=0
for row in "${cases[@]}"; do
    IFS='|' read -r name uid absent broken flags want_status want_log want_line <<<"$row"
    read -r i386 update_fails has_locale <<<"$flags"
    rm -rf "$ZV_FAKE" && mkdir "$ZV_FAKE" && cd "$ZV_FAKE" || exit 1
    echo "$uid" >uid; : >log; printf '%s\n' $absent >absent; printf '%s\n' $broken >broken
    [[ $i386 == y ]] && echo i386 >architectures || : >architectures
    [[ $update_fails == n ]] || : >update-fails
    [[ $has_locale == n ]] || echo zh_CN.utf8 >locales
    output=$(PATH="$work/bin:$PATH" bash "$root/tools/setup.sh" 2>&1)
    status=$?
    log=$(paste -sd' ' log)
    problems=()
    [[ $status == "$want_status" ]] || problems+=("status $status, not $want_status")
    [[ $log == "$want_log" ]] || problems+=("calls '$log', not '$want_log'")
    [[ $output == *"$want_line"* ]] || problems+=("no line with '$want_line'")
    ((want_status)) || ! grep -vxF -f broken absent | grep -q . || problems+=("not all installed")
    if ((${#problems[@]})); then
        failures=$((failures + 1))
        printf 'FAILED %s: %s\n%s\n' "$name" "$(IFS=';'; echo "${problems[*]}")" "$output"
    else
        echo "ok     $name"
    fi
done
((failures == 0))
