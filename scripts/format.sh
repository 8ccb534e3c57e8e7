#!/bin/sh
# Formats the program's C++ sources with the project's .clang-format. With
# --check nothing is changed: the files that differ from it are named and the
# exit code is 1.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
files=$(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--check" ]; then
    said=$(mktemp)
    trap 'rm -f "$said"' EXIT
    # shellcheck disable=SC2086
    if ! clang-format --dry-run --Werror $files 2>"$said"; then
        grep -o '^[^:]*\.\(cpp\|h\):' "$said" | sort -u | sed 's/:$//; s/^/formlark: not formatted: /' >&2
        echo "formlark: ./scripts/format.sh formats them" >&2
        exit 1
    fi
else
    # shellcheck disable=SC2086
    clang-format -i $files
fi
