#!/usr/bin/env bash
# Fails, listing the files, when any C++ source is not in the repository's clang-format style.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "clang-format is not installed"; exit 77; }
mapfile -t files < <(git ls-files '*.cpp' '*.h' 2>/dev/null ||
                     find app bench fuzz src tests tools -name '*.cpp' -o -name '*.h')
# One clang-format for all the files: starting it is most of its time. It names each file
# that differs on its warning lines ("file:line:column: error: ...").
status=0
report=$(clang-format --dry-run --Werror "${files[@]}" 2>&1) || status=$?
mapfile -t bad < <(sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: .*/\1/p' <<<"$report" | sort -u)
if [ "$status" -ne 0 ] && [ ${#bad[@]} -eq 0 ]; then
    printf 'clang-format failed:\n%s\n' "$report"
    exit 1
fi
if [ ${#bad[@]} -gt 0 ]; then
    printf 'Not formatted (run clang-format -i on them):\n'
    printf '  %s\n' "${bad[@]}"
    exit 1
fi
echo "${#files[@]} files formatted"
