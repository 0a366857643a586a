#!/usr/bin/env bash
# Builds the metafile fuzzer with clang and runs it: fuzz/wmf/run.sh [seconds, default 60]
# An input that takes over two seconds to load and draw in this instrumented build (about a
# second in the program's own) counts as a failure (-timeout), like a crash: such a page would
# freeze the program.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-60}
build=build-fuzz
fuzz/build.sh wmf_fuzz
mkdir -p "$build/corpus-wmf"
# Fonts that fontconfig loads once and keeps are not leaks of the player.
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:${LSAN_OPTIONS:-}"
seeds=()
[ -d ../shared/wmf-corpus ] && seeds+=(../shared/wmf-corpus)
"$build/fuzz/wmf/wmf_fuzz" -max_len=1048576 -timeout=2 -max_total_time="$seconds" \
    -print_final_stats=1 -artifact_prefix="$build/artifacts/" "$build/corpus-wmf" "${seeds[@]}"
