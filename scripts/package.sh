#!/usr/bin/env bash
# Builds the Debian package trelko_<version>_amd64.deb: a Release build of the three programs
# alone (no tests, no benchmarks) for the prefix /usr, with Debian's hardening flags, into its
# own folder (default build-package/; another as the only argument), then cpack -G DEB there.
# Incremental like the other builds; never needs root. Prints the package's path last.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh --linux
build=${1:-build-package}

# Debian's compiler and linker flags (fortify, stack protector, relro, bind-now, PIE). The
# package carries no debugging symbols, so the flags' -g is left out: it only slows the build.
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
cxxflags=" $CPPFLAGS $CXXFLAGS "
cxxflags=${cxxflags// -g / }
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
# The manual pages' date: that of the commit, so the same sources give the same pages.
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null || date +%s)
export SOURCE_DATE_EPOCH

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DSIM_BUILD_TESTS=OFF -DSIM_BUILD_BENCH=OFF -DSIM_PACKAGE=ON \
    -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" "${launcher[@]}"
cmake --build "$build" -j "$(nproc)"
rm -f "$build"/trelko_*.deb
(cd "$build" && cpack -G DEB)
ls "$(pwd)/$build"/trelko_*.deb
