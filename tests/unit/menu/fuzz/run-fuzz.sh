#!/usr/bin/env bash
# Builds the menu's resource readers natively with clang's libFuzzer and the
# address and undefined-behaviour sanitizers, and runs each target for a
# bounded time (FUZZ_SECONDS, default 60). Exits non-zero when a target
# finds a crash, a leak or a broken invariant.
#   usage: run-fuzz.sh [build-folder]
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root="$here/../../../.."
readers="$root/ui/menu/readers"
out=${1:-"$root/build/fuzz"}
seconds=${FUZZ_SECONDS:-60}
mkdir -p "$out"

flags=(-std=c++17 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -I"$root")
clang++ "${flags[@]}" "$here/MenuTemplateFuzz.cpp" "$readers/MenuTemplate.cpp" -o "$out/menu_template_fuzz"
clang++ "${flags[@]}" "$here/ToolbarResourceFuzz.cpp" "$readers/ToolbarResource.cpp" -o "$out/toolbar_resource_fuzz"

status=0
for target in menu_template_fuzz toolbar_resource_fuzz; do
    corpus="$out/$target.corpus"
    mkdir -p "$corpus"
    echo "fuzz: $target for ${seconds}s"
    if ! "$out/$target" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
            -artifact_prefix="$out/$target-" "$corpus" >"$out/$target.log" 2>&1; then
        echo "fuzz: $target FAILED (see $out/$target.log)"
        tail -n 30 "$out/$target.log"
        status=1
    else
        grep -E "^Done [0-9]+ runs" "$out/$target.log" | tail -n 1 || true
    fi
done
exit "$status"
