#!/usr/bin/env bash
# Builds the menu's resource readers natively with clang's libFuzzer and the
# address and undefined-behaviour sanitizers, and runs both targets side by
# side for a bounded time (FUZZ_SECONDS, default 30). Each starts from the
# seed corpus kept beside this script (corpus/TARGET/), so that a short run
# goes as deep as a long one once did; what a run finds stays in the build
# folder. Exits non-zero when a target finds a crash, a leak or a broken
# invariant.
#   usage: run-fuzz.sh [build-folder]
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../../../.." && pwd)
readers="$root/ui/menu/readers"
out=${1:-"$root/build/fuzz"}
seconds=${FUZZ_SECONDS:-30}
mkdir -p "$out"

targets=(menu-template toolbar-resource)
declare -A sources=(
    [menu-template]="$here/MenuTemplateFuzz.cpp $readers/MenuTemplate.cpp"
    [toolbar-resource]="$here/ToolbarResourceFuzz.cpp $readers/ToolbarResource.cpp"
)
flags=(-std=c++17 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -I"$root")

# Runs one target, its report in OUT/TARGET.log.
fuzz_one() {
    local target=$1
    # shellcheck disable=SC2086
    clang++ "${flags[@]}" ${sources[$target]} -o "$out/$target" >"$out/$target.log" 2>&1 || return 1
    mkdir -p "$out/$target.corpus"
    "$out/$target" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -artifact_prefix="$out/$target-" "$out/$target.corpus" "$here/corpus/$target" >>"$out/$target.log" 2>&1
}

declare -A pids
for target in "${targets[@]}"; do
    echo "fuzz: $target for ${seconds}s"
    fuzz_one "$target" &
    pids[$target]=$!
done

status=0
for target in "${targets[@]}"; do
    if wait "${pids[$target]}"; then
        echo "fuzz: $target $(grep -E '^Done [0-9]+ runs' "$out/$target.log" | tail -n 1)"
    else
        echo "fuzz: $target FAILED (see $out/$target.log)"
        tail -n 30 "$out/$target.log"
        status=1
    fi
done
exit "$status"
