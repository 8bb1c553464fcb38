#!/usr/bin/env bash
# Installs the Debian packages the build, the tests, the program and its package need, and
# generates the locales the tests run the program in, only when missing, so that a second run
# on a prepared machine starts building at once. Further packages may be named as arguments.
# Installing needs root: a normal user's missing packages are installed through sudo, after
# saying which and why; nothing else here or in the build needs root.
set -euo pipefail

# Each group with why it is needed, for the message before sudo asks for a password.
declare -A why=(
    [build]="to build the programs, with Qt's own texts and the translation tools"
    [tests]="to run the tests: a virtual display, a headless browser, the linter, a private
             accessibility bus and a screen reader's view of the window"
    [package]="to make and check the Debian package"
    [windows]="to build the programs for Windows from Debian's sources of their libraries and
               to run their tests under Wine"
    [extra]="named on the command line"
)
declare -A groups=(
    [build]="build-essential cmake ninja-build pkg-config qt6-base-dev libjpeg-dev
             libboost-math-dev libcli11-dev locales
             qt6-translations-l10n qt6-l10n-tools qt6-tools-dev"
    [tests]="libgtest-dev libgmock-dev libbenchmark-dev clang-tidy chromium fonts-dejavu-core
             fonts-liberation xvfb xauth xdotool x11-utils
             dbus-daemon dbus-session-bus-common at-spi2-core python3 python3-pyatspi"
    [package]="help2man dpkg-dev file lintian desktop-file-utils appstream"
    [windows]="g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix wine wine64 googletest
               dpkg-dev time msitools osslsigncode"
    [extra]="$*"
)

missing=()
reasons=()
for group in build tests package windows extra; do
    for p in ${groups[$group]}; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$p")
            reasons+=("  $p (${why[$group]})")
        fi
    done
done

# A fresh machine has no locale but C. The tests start the program in Hungarian, in UTF-8 and in
# the older Latin-2, and read numbers under a decimal comma; the manual pages are made in
# Hungarian. locale-gen rebuilds every enabled locale, so it runs only when one is missing.
locales=("hu_HU.UTF-8 UTF-8" "hu_HU ISO-8859-2")
ungenerated=()
for entry in "${locales[@]}"; do
    if [ "$(LC_ALL=${entry% *} locale charmap 2>/dev/null)" != "${entry#* }" ]; then
        ungenerated+=("$entry")
    fi
done

# The Windows libraries are built from Debian's source packages, which apt fetches only from a
# deb-src entry: one beside the machine's own entries for bookworm, from the same mirror.
deb_src=/etc/apt/sources.list.d/trelko-deb-src.sources
need_deb_src=0
if ! apt-get indextargets 'Created-By: Sources' 2>/dev/null | grep -q .; then
    need_deb_src=1
fi

# The libraries of the Windows build, Qt for Windows among them: built once per machine (the
# first time the better part of an hour on two cores), then taken from the cache.
windows_toolchain() {
    bash "$(dirname "$0")/windows-toolchain.sh" --qt
}

if [ ${#missing[@]} -eq 0 ] && [ ${#ungenerated[@]} -eq 0 ] && [ "$need_deb_src" -eq 0 ]; then
    windows_toolchain
    exit 0
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        {
            echo "deps.sh: these Debian packages are missing and installing them needs root:"
            printf '%s\n' "${reasons[@]}"
            [ ${#ungenerated[@]} -eq 0 ] || echo "  and the locales: ${ungenerated[*]}"
            [ "$need_deb_src" -eq 0 ] || echo "  and a deb-src entry in $deb_src"
            echo "This user is not root and sudo is not installed. Run as root once:"
            echo "  bash scripts/deps.sh $*"
            echo "(or install sudo and give this user the right to use it); then run this again."
        } >&2
        exit 1
    fi
    as_root=(sudo)
    echo "deps.sh: installing needs root, so it runs apt-get and locale-gen through sudo."
fi

if [ "$need_deb_src" -eq 0 ] && [ ${#missing[@]} -gt 0 ]; then
    "${as_root[@]}" apt-get update
fi
if [ "$need_deb_src" -eq 1 ]; then
    mirror=$(apt-get indextargets --format '$(REPO_URI)' 'Created-By: Packages' 'Codename: bookworm' |
        grep -v security | head -1)
    echo "Adding a deb-src entry for bookworm from ${mirror:=http://deb.debian.org/debian/}"
    printf '%s\n' "Types: deb-src" "URIs: $mirror" "Suites: bookworm bookworm-updates" \
        "Components: main" "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg" |
        "${as_root[@]}" tee "$deb_src" >/dev/null
    "${as_root[@]}" apt-get update
fi
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing:"
    printf '%s\n' "${reasons[@]}"
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y --no-install-recommends "${missing[@]}"
fi

if [ ${#ungenerated[@]} -gt 0 ]; then
    echo "Generating the locales: ${ungenerated[*]}"
    for entry in "${ungenerated[@]}"; do
        if ! grep -qxF "$entry" /etc/locale.gen 2>/dev/null; then
            echo "$entry" | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
        fi
    done
    "${as_root[@]}" locale-gen
fi

windows_toolchain
