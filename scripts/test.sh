#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test through CTest, without a display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-tests -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build-tests
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build-tests --output-on-failure --timeout 600
