#!/usr/bin/env bash
# Fails when a tracked C++ source differs from the layout the root .clang-format gives it; exits 77 (a skip
# for CTest) when clang-format is not installed.
set -euo pipefail
cd "$(dirname "$0")/.."
formatter=$(command -v clang-format || command -v clang-format-14 || true)
if [ -z "$formatter" ]; then
  echo "clang-format is not installed: the layout check is skipped."
  exit 77
fi
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
else
  mapfile -t files < <(find src tests bench fuzz -name '*.cpp' -o -name '*.h' 2>/dev/null)
fi
status=0
for f in "${files[@]}"; do
  [ -f "$f" ] || continue
  if ! "$formatter" --dry-run --Werror "$f" >/dev/null 2>&1; then
    echo "not formatted: $f (run: $formatter -i $f)"
    status=1
  fi
done
exit $status
