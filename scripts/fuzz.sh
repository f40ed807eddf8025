#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time.
# scripts/fuzz.sh [SECONDS_PER_TARGET]   (default 60)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
"$root/scripts/deps.sh"
dir="$root/build-fuzz"
CC=clang-14 CXX=clang++-14 cmake -S "$root" -B "$dir" -G Ninja -DHM_FUZZ=ON -DHM_BUILD_UI=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$dir" -j2
status=0
for fuzzer in "$dir"/tests/fuzz_*; do
    [ -x "$fuzzer" ] || continue
    name=$(basename "$fuzzer")
    corpus="$root/fuzz-corpus/$name"
    mkdir -p "$corpus"
    echo "== $name for ${seconds}s"
    seeds=()
    [ -d "$root/tests/fuzz/seeds/$name" ] && seeds=("$root/tests/fuzz/seeds/$name")
    if ! "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 -max_len=4096 "$corpus" "${seeds[@]}" \
        >"$dir/$name.log" 2>&1; then
        status=1
        tail -n 40 "$dir/$name.log"
    fi
    grep -E "stat::number_of_executed_units|stat::new_units_added|ERROR|crash" "$dir/$name.log" || true
done
exit $status
