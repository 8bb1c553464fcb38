#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, only when missing,
# so that a second run on a prepared machine starts building at once. Further packages may be
# named as arguments.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev libjpeg-dev
    # Qt's own texts in the programs' languages; lupdate and lrelease for their own.
    qt6-translations-l10n qt6-l10n-tools qt6-tools-dev
    # The desktop entry's check.
    desktop-file-utils
    libgtest-dev libgmock-dev libbenchmark-dev
    libboost-math-dev libcli11-dev
    # The grading report's test opens it in a headless browser.
    chromium
    fonts-dejavu-core fonts-liberation
    xvfb xauth xdotool
    "$@"
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi
