#!/usr/bin/env bash
# Fails when a C++ file under src, tests, bench, fuzz or tools is not formatted as
# .clang-format says; prints each file that differs. Fix with clang-format -i.
set -uo pipefail
cd "$(dirname "$0")/.."

failures=0
while IFS= read -r -d '' file; do
  if ! clang-format --dry-run -Werror "$file" >/dev/null 2>&1; then
    echo "not formatted: $file"
    failures=$((failures + 1))
  fi
done < <(find src tests bench fuzz tools -type f \( -name '*.cpp' -o -name '*.h' \) -print0 2>/dev/null | sort -z)

if ((failures > 0)); then
  echo "check-format: $failures file(s) differ from .clang-format (run clang-format -i on them)" >&2
  exit 1
fi
echo "check-format: every file follows .clang-format"
