#!/usr/bin/env bash
# Installs what is missing, builds a release build and installs the program with its desktop entry, icons and
# AppStream metadata under a prefix (default /usr/local): ./scripts/install.sh [PREFIX]
set -euo pipefail
cd "$(dirname "$0")/.."
prefix=${1:-/usr/local}
bash scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build-release --target velmark velmark_man_pages velmark_changelog
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && [ ! -w "$prefix" ] && sudo_cmd=(sudo)
"${sudo_cmd[@]}" cmake --install build-release --prefix "$prefix"
