#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, and generates the
# locales the tests run the program in, only when missing, so that a second run on a prepared
# machine starts building at once. Further packages may be named as arguments.
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
    # The test command lints the program's sources.
    clang-tidy
    # The grading report's test opens it in a headless browser.
    chromium
    fonts-dejavu-core fonts-liberation
    xvfb xauth xdotool x11-utils locales
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

# A fresh machine has no locale but C. The tests start the program in Hungarian, in UTF-8 and in
# the older Latin-2, and read numbers under a decimal comma. locale-gen rebuilds every enabled
# locale, so it runs only when one of these is missing.
locales=("hu_HU.UTF-8 UTF-8" "hu_HU ISO-8859-2")
generate=0
for entry in "${locales[@]}"; do
    if [ "$(LC_ALL=${entry% *} locale charmap 2>/dev/null)" != "${entry#* }" ]; then
        grep -qxF "$entry" /etc/locale.gen 2>/dev/null || echo "$entry" >>/etc/locale.gen
        generate=1
    fi
done
if [ "$generate" -eq 1 ]; then
    locale-gen
fi
