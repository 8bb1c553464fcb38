#!/usr/bin/env bash
# Runs clang-tidy with the committed .clang-tidy over every source file of the program, the
# runner, the grading tool and the fuzz targets that the build compiles, their own headers
# included, and fails on any warning. Tests and benchmarks are left out: the test macros
# expand into branches the complexity check counts, and they would double the run's time.
# Needs a configured and built tree (for the compile commands and the generated Qt headers);
# default: build/.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${1:-build}
if [ ! -f "$build/compile_commands.json" ]; then
    echo "lint: $build/compile_commands.json is missing; configure and build first" >&2
    exit 2
fi

folders='(apparatus|assets|common|fuzz|geometry|grade|physics|runner|translations|widgets)'
mapfile -t files < <(sed -n 's/^ *"file": "\(.*\)",\{0,1\}$/\1/p' "$build/compile_commands.json" |
    grep -E "^$root/$folders/" | sort -u)
if [ ${#files[@]} -eq 0 ]; then
    echo "lint: no source files in $build/compile_commands.json" >&2
    exit 2
fi

echo "lint: clang-tidy on ${#files[@]} files"
status=0
printf '%s\n' "${files[@]}" |
    xargs -P "$(nproc)" -n 2 clang-tidy -p "$build" --quiet --warnings-as-errors='*' \
        --header-filter="^$root/$folders/" 2> >(grep -v -E '^[0-9]+ warnings? generated\.$' >&2) ||
    status=$?
if [ "$status" -ne 0 ]; then
    echo "lint: clang-tidy found warnings (above)" >&2
    exit 1
fi
echo "lint: no warnings"
