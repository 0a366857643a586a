#!/usr/bin/env bash
# Configures the clang fuzzing build in build-fuzz and builds one target: fuzz/build.sh <target>
set -euo pipefail
cd "$(dirname "$0")/.."
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DVELMORA_FUZZ=ON -DVELMORA_TESTS=OFF \
    -DVELMORA_BENCH=OFF >/dev/null
cmake --build build-fuzz -j2 --target "$1"
mkdir -p build-fuzz/artifacts
