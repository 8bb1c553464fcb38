#!/usr/bin/env bash
# Builds everything and runs the whole test suite twice: a normal build, and a build with
# AddressSanitizer and UndefinedBehaviorSanitizer; between them the cores built for Windows and
# tested under Wine, with the result files of both builds compared byte for byte, the Windows
# packages built and checked under Wine, clang-tidy
# over the program's sources, and the Debian package, built and checked. Incremental on a built
# tree.
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

# The toolkit-free cores for Windows (MinGW-w64), their tests under Wine in a Wine folder of
# build-windows/ (tests that cannot hold on Windows show as skipped, with the reason), then the
# same series on both builds, whose result files must be the same bytes; then the Windows
# packages, built in build-windows-package/, signed and checked under Wine against the Linux
# build (the runner's and the grader's bytes, the end-to-end session from the zip and from the
# MSI, the install and the removal). The markers tell scripts/fresh-machine.sh which skips are
# Windows'.
echo "== Windows part"
windows_start=$SECONDS
windows_prefixes=$(bash scripts/windows-toolchain.sh --qt --prefixes)
run_suite build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSIM_WERROR=ON -DSIM_CORES_ONLY=ON \
    -DSIM_CORES_QT_TESTS=ON -DSIM_BUILD_BENCH=OFF "-DSIM_WINDOWS_PREFIXES=$windows_prefixes"
bash tests/platforms/compare-results.sh build build-windows
bash tests/packaging/check-windows.sh build
echo "== Windows part done in $((SECONDS - windows_start)) s"
bash scripts/lint.sh build
# The Debian package, built in its own folder (build-package/) and checked as organisers get it.
bash tests/packaging/check.sh
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DSIM_SANITIZE=ON -DSIM_WERROR=ON
