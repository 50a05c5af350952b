#!/usr/bin/env bash
# Installs what is missing, builds a release build and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build-release --target velmark
exec ./build-release/src/velmark
