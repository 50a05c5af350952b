#!/usr/bin/env bash
# Installs what is missing, builds a release build and writes the Debian package a school lab installs with
# `sudo apt install ./velmark_<version>_<architecture>.deb`; prints the package's path.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build-release --target velmark velmark_man_pages velmark_changelog
(cd build-release && cpack)
ls "$PWD"/build-release/velmark_*.deb
