#!/usr/bin/env bash
# The Debian package as an organiser gets it: scripts/package.sh builds it, then its name,
# control fields and file list are checked, lintian must find neither an error nor a warning,
# the desktop entry and the AppStream metainfo must pass their validators, and the programs run
# from the package unpacked into a temporary root. Part of the test command; needs no root.
set -euo pipefail
cd "$(dirname "$0")/../.."
started=$SECONDS
build=${1:-build-package}

failures=0
fail() {
    echo "package check: $*" >&2
    failures=$((failures + 1))
}

deb=$(bash scripts/package.sh "$build" | tail -n 1)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || { echo "package check: no project version in $build" >&2; exit 1; }

[ "$(basename "$deb")" = "trelko_${version}_amd64.deb" ] || fail "package file $deb"
[ "$(dpkg-deb -f "$deb" Package)" = trelko ] || fail "Package: $(dpkg-deb -f "$deb" Package)"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "Version: $(dpkg-deb -f "$deb" Version)"
[ "$(dpkg-deb -f "$deb" Architecture)" = amd64 ] || fail "Architecture"
# Computed from the programs' libraries, plus the toolkit's translations.
depends=" $(dpkg-deb -f "$deb" Depends | tr ',' ' ') "
for needed in qt6-translations-l10n libqt6widgets6 libqt6gui6 libqt6core6 libjpeg62-turbo \
    libstdc++6 libc6; do
    [[ $depends == *" $needed "* ]] || fail "Depends lacks $needed: $depends"
done

metainfo=usr/share/metainfo/hu.brennverseny.trelko.metainfo.xml
expected=(
    usr/bin/trelko usr/bin/trelko-runner usr/bin/trelko-grade
    usr/share/applications/trelko.desktop "$metainfo"
    usr/share/man/man1/trelko.1.gz usr/share/man/man1/trelko-runner.1.gz
    usr/share/man/man1/trelko-grade.1.gz
    usr/share/doc/trelko/copyright usr/share/doc/trelko/changelog.gz
)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/trelko.png")
done
contents=$(dpkg-deb --contents "$deb" | awk '{ print $6 }')
for file in "${expected[@]}"; do
    grep -qxF "./$file" <<<"$contents" || fail "missing from the package: /$file"
done
echo "package check: $(grep -vc '/$' <<<"$contents") files, ${#expected[@]} of them checked by name"

# Every tag lintian has an opinion on is shown; an error or a warning fails the check (the
# README lists what remains at lower levels and why).
lintian_status=0
lintian_tags=$(lintian --fail-on error,warning --display-info --pedantic --tag-display-limit 0 \
    "$deb" 2>&1) || lintian_status=$?
grep -v '^running with root privileges' <<<"$lintian_tags" || true
[ "$lintian_status" -eq 0 ] || fail "lintian found errors or warnings (above)"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/trelko.desktop" ||
    fail "desktop-file-validate (above)"
appstreamcli validate --no-net "$root/$metainfo" >/dev/null ||
    appstreamcli validate --no-net "$root/$metainfo" || fail "appstreamcli validate (above)"

for size in 16 48 256; do
    icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/trelko.png"
    [[ $(file -b "$icon") == "PNG image data, $size x $size, "* ]] || fail "icon $size: $(file -b "$icon")"
done
for program in trelko trelko-runner trelko-grade; do
    zcat "$root/usr/share/man/man1/$program.1.gz" | grep -q -e '-lang en' ||
        fail "$program(1) does not name the English edition's option"
done

# The unpacked programs, as an organiser runs them (no display needed for these).
[ "$("$root/usr/bin/trelko-runner" --version)" = "trelko-runner $version" ] ||
    fail "trelko-runner --version: $("$root/usr/bin/trelko-runner" --version 2>&1)"
help=$("$root/usr/bin/trelko-grade" --help) || fail "trelko-grade --help ended with an error"
[[ $help == "Használat: trelko-grade [opciók] BEADÁSOK"* ]] || fail "trelko-grade --help: $help"
[ "$(env -u DISPLAY "$root/usr/bin/trelko" --version)" = "trelko $version" ] ||
    fail "trelko --version"

if [ "$failures" -gt 0 ]; then
    echo "package check: $failures failures" >&2
    exit 1
fi
echo "package check: $deb passes ($((SECONDS - started)) s)"
