#!/usr/bin/env bash
# Builds the program and starts it. It opens a window, so it needs a display.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh --linux
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target trelko
exec build/apparatus/trelko "$@"
