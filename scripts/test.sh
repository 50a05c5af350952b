#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test through CTest, without a display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-tests -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build-tests

# Fuzzes the widget-free engine for a bounded time (about 20 s a target) when clang is there; install-deps.sh
# installs it. New inputs go to a scratch folder, so the seed corpus in fuzz/corpus stays as it is.
if command -v clang++ >/dev/null; then
  cmake -S . -B build-fuzz -G Ninja -DVELMARK_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++
  cmake --build build-fuzz
  for target in tagscan balancecheck refresh markupnames; do
    work=$(mktemp -d)
    if ! "build-fuzz/fuzz/fuzz_$target" -max_total_time=20 -max_len=2048 -print_final_stats=0 \
      "$work" "fuzz/corpus/$target" >"$work/log" 2>&1; then
      tail -n 40 "$work/log"
      echo "fuzz_$target found a fault; the input is in the current folder"
      exit 1
    fi
    echo "fuzz_$target: $(grep -o 'Done [0-9]* runs' "$work/log")"
    rm -rf "$work"
  done
fi

# Every test last, so that CTest's summary closes the run.
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build-tests --output-on-failure --timeout 600
