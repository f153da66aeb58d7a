#!/usr/bin/env bash
# Fails if any C++ file of ours differs from what .clang-format makes of it.
set -u
clang_format=$1
mapfile -t files < <(git ls-files -co --exclude-standard -- '*.cpp' '*.h' 2>/dev/null ||
                     find src tests fuzz bench -name '*.cpp' -o -name '*.h')
[ ${#files[@]} -gt 0 ] || { echo "no C++ files found"; exit 1; }
"$clang_format" --dry-run --Werror "${files[@]}"
