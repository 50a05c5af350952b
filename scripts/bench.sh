#!/usr/bin/env bash
# Builds a release build and runs the benchmarks, printing their tables.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build-release
export QT_QPA_PLATFORM=offscreen
for b in build-release/bench/*/bench_*; do
  echo "== $(basename "$b")"
  "$b"
done
