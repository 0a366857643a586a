#!/usr/bin/env bash
# Builds the file-reading fuzzer with clang and runs it: fuzz/files/run.sh [seconds, default 60]
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-60}
build=build-fuzz
fuzz/build.sh velmora_files_fuzzer
mkdir -p "$build/corpus-files"
# A memory file system keeps the writes' fsync from setting the pace.
TMPDIR=/dev/shm "$build/fuzz/files/velmora_files_fuzzer" -max_len=8192 \
    -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$build/artifacts/" \
    "$build/corpus-files" fuzz/files/seeds content/multiple
