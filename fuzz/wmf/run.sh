#!/usr/bin/env bash
# Builds the metafile fuzzer with clang and runs it: fuzz/wmf/run.sh [seconds, default 60]
# An input that takes over a second to load and draw counts as a failure (-timeout), like a crash:
# such a page would freeze the program.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-60}
build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -DVELMORA_FUZZ=ON -DVELMORA_TESTS=OFF \
    -DVELMORA_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target wmf_fuzz
mkdir -p "$build/corpus-wmf" "$build/artifacts"
seeds=()
[ -d ../shared/wmf-corpus ] && seeds+=(../shared/wmf-corpus)
"$build/fuzz/wmf/wmf_fuzz" -max_len=1048576 -timeout=1 -max_total_time="$seconds" \
    -print_final_stats=1 -artifact_prefix="$build/artifacts/" "$build/corpus-wmf" "${seeds[@]}"
