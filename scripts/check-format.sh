#!/usr/bin/env bash
# Fails when a tracked C++ source differs from the layout the root .clang-format gives it; exits 77 (a skip
# for CTest) when clang-format is not installed. One clang-format run checks every file, and each file out of
# layout is named once.
set -euo pipefail
cd "$(dirname "$0")/.."
formatter=$(command -v clang-format || command -v clang-format-14 || true)
if [ -z "$formatter" ]; then
  echo "clang-format is not installed: the layout check is skipped."
  exit 77
fi
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t listed < <(git ls-files -- '*.cpp' '*.h')
else
  mapfile -t listed < <(find src tests bench fuzz -name '*.cpp' -o -name '*.h' 2>/dev/null)
fi
files=()
for f in "${listed[@]}"; do
  [ -f "$f" ] && files+=("$f")
done
[ ${#files[@]} -eq 0 ] && exit 0

# With --ferror-limit=1 each file out of layout reports its first difference only, as "path:line:column: error:".
if report=$("$formatter" --dry-run --Werror --ferror-limit=1 "${files[@]}" 2>&1); then
  exit 0
fi
mapfile -t unformatted < <(sed -n 's/^\(.*\):[0-9][0-9]*:[0-9][0-9]*: error: .*clang-format-violations.*$/\1/p' \
  <<<"$report" | awk '!seen[$0]++')
if [ ${#unformatted[@]} -eq 0 ]; then
  # clang-format failed for another reason (an unreadable file, a broken .clang-format): show its own words.
  echo "$report"
  exit 1
fi
for f in "${unformatted[@]}"; do
  echo "not formatted: $f (run: $formatter -i $f)"
done
exit 1
