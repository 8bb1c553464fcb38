#!/usr/bin/env bash
# Builds everything and runs the whole test suite twice: a normal build, and a build with
# AddressSanitizer and UndefinedBehaviorSanitizer; between them, clang-tidy over the program's
# sources and the Debian package, built and checked. Incremental on a built tree.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

run_suite() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja "$@"
    cmake --build "$dir" -j "$jobs"
    (cd "$dir" && ctest --output-on-failure -j "$jobs")
}

run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSIM_WERROR=ON
bash scripts/lint.sh build
# The Debian package, built in its own folder (build-package/) and checked as organisers get it.
bash tests/packaging/check.sh
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DSIM_SANITIZE=ON -DSIM_WERROR=ON
