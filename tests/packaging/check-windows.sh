#!/usr/bin/env bash
# The Windows packages as a lab gets them, under Wine: scripts/package-windows.sh builds and signs
# them with a certificate made on the spot, the signatures are verified, the zip's folder is
# checked by name, and its programs are held to the Linux build's:
#   - the Windows runner's exact-mode series (result file and CSV) to the Linux runner's bytes;
#   - the Windows grader's osszesito.csv of a small generated class to the Linux grader's;
#   - the end-to-end test (tests/e2e, the same test as for the Linux window) drives the window
#     from the unpacked zip, where the results land beside the program, and once more after a
#     silent install of the MSI (msiexec /i /qn), where they land in Documents\Brk2017 and the
#     organisers' faktor.txt is read from %ProgramData%\trelko\;
#   - a newer MSI replaces the installed one in place, and msiexec /x leaves nothing of the
#     program in Program Files or the Start menu, and the organisers' faktor.txt where it was.
# Wine runs in the package build's own Wine folder; its server is ended after each run.
#
#     bash tests/packaging/check-windows.sh LINUX_BUILD [PACKAGE_BUILD]
set -euo pipefail
cd "$(dirname "$0")/../.."
started=$SECONDS
linux=$(realpath "$1")
build=${2:-build-windows-package}

failures=0
fail() {
    echo "windows package check: $*" >&2
    failures=$((failures + 1))
}
say() {
    echo "windows package check: $*"
}

work=$(mktemp -d)
wine=
cleanup() {
    [ -z "$wine" ] || "$wine" --end
    rm -rf "$work"
}
trap cleanup EXIT

# A code-signing certificate of this run's own, as the organisers would bring theirs.
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Trelko test signer" \
    -addext extendedKeyUsage=codeSigning -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null
echo "a password of this run" >"$work/password"
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -out "$work/cert.pfx" \
    -passout "file:$work/password"
packages=$(bash scripts/package-windows.sh --sign "$work/cert.pfx" --password-file "$work/password" \
    "$build" | tail -n 2)
zip=$(sed -n 1p <<<"$packages")
msi=$(sed -n 2p <<<"$packages")
wine=$(realpath "$build")/wine-run.sh
# A new Wine folder for each check, so that nothing an earlier (or interrupted) check installed
# is found again.
"$wine" --end
rm -rf "$(realpath "$build")/wine"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=trelko-$version-windows-x64
[ "$(basename "$zip")" = "$name.zip" ] || fail "zip file $zip"
[ "$(basename "$msi")" = "trelko-$version-x64.msi" ] || fail "MSI file $msi"
say "$(basename "$zip") $(stat -c %s "$zip") bytes, $(basename "$msi") $(stat -c %s "$msi") bytes"

unzip -q "$zip" -d "$work/zip"
folder=$work/zip/$name
for file in trelko.exe trelko-runner.exe trelko-grade.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll \
    libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll platforms/qwindows.dll \
    translations/qtbase_hu.qm translations/qtbase_en.qm OLVASSEL.txt README.txt; do
    [ -f "$folder/$file" ] || fail "missing from the zip: $file"
done
for signed in "$folder/trelko.exe" "$folder/trelko-runner.exe" "$folder/trelko-grade.exe" "$msi"; do
    osslsigncode verify -CAfile "$work/cert.pem" -in "$signed" >"$work/verify.log" 2>&1 ||
        { cat "$work/verify.log" >&2; fail "signature of ${signed##*/}"; }
done

# The programs' own words through Wine's console, in UTF-8.
run() {
    "$wine" --window "$@" | tr -d '\r'
}
[ "$(env -u DISPLAY "$wine" --window "$folder/trelko.exe" --version | tr -d '\r')" = \
    "trelko $version" ] || fail "trelko.exe --version"
help=$(run "$folder/trelko-grade.exe" --help)
[[ $help == "Használat: trelko-grade [opciók] BEADÁSOK"* ]] || fail "trelko-grade.exe --help: $help"
"$wine" --end

# One geometry's exact-mode series by both runners: the same result file and CSV.
geometry() {
    python3 -c 'import struct, sys; sys.stdout.buffer.write(struct.pack("<12i", *map(int, sys.argv[1].split(","))))' "$1"
}
mkdir -p "$work/runner/linux" "$work/runner/windows"
geometry 536,160,716,160,1095,312,1125,312,1154,312,1183,312 >"$work/runner/field.Brk2017_Kovács"
runner_options=(--sources 1,9 --factor 200 --step 50 --time 10 --exact)
"$linux/runner/trelko-runner" "$work/runner/field.Brk2017_Kovács" "${runner_options[@]}" \
    --out "$work/runner/linux" --csv "$work/runner/linux/series.csv" >/dev/null
run "$folder/trelko-runner.exe" "Z:$work/runner/field.Brk2017_Kovács" "${runner_options[@]}" \
    --out "Z:$work/runner/windows" --csv "Z:$work/runner/windows/series.csv" >/dev/null
"$wine" --end
for file in Brk2017_Kovács.txt series.csv; do
    cmp "$work/runner/linux/$file" "$work/runner/windows/$file" ||
        fail "the Windows runner's $file differs from the Linux runner's"
done
say "runner: the exact series of Kovács, $(wc -l <"$work/runner/linux/Brk2017_Kovács.txt") lines, the same bytes"

# A small class, its files made by the Linux runner: series that fit, an exact one, one cut
# short, one measured on a field that was not saved, geometries without a series.
class=$work/class
mkdir -p "$class"/{gep1,gep2}
geometry 536,160,716,160,1095,312,1125,312,1154,312,1183,312 >"$class/gep1/elso.Brk2017_Anna"
geometry 616,200,776,200,1095,312,1125,312,1154,312,1183,312 >"$class/gep1/masik.Brk2017_Anna"
geometry 496,160,616,160,1095,312,1125,312,1154,312,1183,312 >"$class/gep2/mezo.Brk2017_Kovács"
geometry 1121,119,836,210,616,200,666,220,1154,312,1183,312 >"$class/gep2/a.Brk2017_Béla"
geometry 676,50,576,210,776,130,896,270,966,20,1183,312 >"$work/unsaved"
geometry 616,290,776,300,1095,312,1125,312,1154,312,1183,312 >"$class/gep1/x.Brk2017_Dóra"
series() {
    local id=$1 geometry=$2 where=$3
    shift 3
    "$linux/runner/trelko-runner" "$geometry" --sources 1,9 --step 100 --time 10 --id "$id" \
        --out "$where" "$@" >/dev/null
}
series Anna "$class/gep1/elso.Brk2017_Anna" "$class/gep1" --factor 200
series Kovács "$class/gep2/mezo.Brk2017_Kovács" "$class/gep2" --factor -200
series Béla "$class/gep2/a.Brk2017_Béla" "$class/gep2" --factor 200
head -n 8 "$class/gep2/Brk2017_Béla.txt" >"$work/cut" && mv "$work/cut" "$class/gep2/Brk2017_Béla.txt"
series Dóra "$work/unsaved" "$class/gep1" --factor 200
"$linux/grade/trelko-grade" "$class" --out "$work/report-linux" --quiet --csv-only >/dev/null
run "$folder/trelko-grade.exe" "Z:$class" --out "Z:$work/report-windows" --quiet --csv-only \
    --jobs 2 >/dev/null
"$wine" --end
cmp "$work/report-linux/osszesito.csv" "$work/report-windows/osszesito.csv" ||
    fail "the Windows grader's osszesito.csv differs from the Linux grader's"
say "grader: osszesito.csv of $(($(wc -l <"$work/report-linux/osszesito.csv") - 1)) contestants, the same bytes"

# The window, driven by the end-to-end test: from the zip's folder (the test copies it), then
# installed.
session=(--gtest_filter='Locales/EndToEnd.LoginPlaceItemsRunASeriesAndClose/Hungarian'
    --gtest_brief=0)
TRELKO_E2E_WINE=$wine TRELKO_E2E_WINE_FOLDER=$folder "$linux/tests/e2e/e2e_tests" "${session[@]}" ||
    fail "the end-to-end session from the zip's folder"

prefix=$(realpath "$build")/wine
program_files="$prefix/drive_c/Program Files/Trelko"
# Windows puts a per-machine package's entries in the menu of all users; Wine's installer puts
# them in the user's.
menu="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Trelko"
user_menu="$prefix/drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Trelko"
settings="$prefix/drive_c/ProgramData/trelko"
documents="$prefix/drive_c/users/$(id -un)/Documents"
installed() {
    "$wine" --window reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s |
        tr -d '\r' | grep -a -c '^ *DisplayName.*Trelko' || true
}
env -u DISPLAY "$wine" --window msiexec /i "Z:$msi" /qn || fail "msiexec /i ... /qn"
"$wine" --end
for file in trelko.exe trelko-runner.exe trelko-grade.exe platforms/qwindows.dll \
    translations/qtbase_hu.qm; do
    [ -f "$program_files/$file" ] || fail "not installed: Program Files\\Trelko\\$file"
done
for entry in "Trelko kísérlet.lnk" "Trelko experiment (English).lnk"; do
    [ -f "$menu/$entry" ] || [ -f "$user_menu/$entry" ] || fail "no Start-menu entry $entry"
done
[ -d "$settings" ] || fail "no %ProgramData%\\trelko\\ folder"
printf -- '-200\r\n950\r\n1e-6\r\n' >"$settings/faktor.txt"
TRELKO_E2E_WINE=$wine TRELKO_E2E_INSTALLED="$program_files/trelko.exe" \
    TRELKO_E2E_INSTALLED_WORK="$documents/Brk2017" TRELKO_E2E_INSTALLED_FACTOR="$settings/faktor.txt" \
    "$linux/tests/e2e/e2e_tests" "${session[@]}" || fail "the end-to-end session installed"

# A newer package with the same UpgradeCode replaces this one in place: this package as wixl
# makes it for a higher version (Windows compares the first three numbers), with a product and a
# package code of its own.
IFS=. read -r major minor patch <<<"$version"
higher=$major.$minor.$((patch + 1))
upgrade_code=$(msiinfo export "$msi" Property | tr -d '\r' | sed -n 's/^UpgradeCode\t//p')
code() { python3 -c 'import uuid; print("{%s}" % str(uuid.uuid4()).upper())'; }
newer=$work/trelko-newer.msi
cp "$msi" "$newer"
msibuild "$newer" -s "Installation Database" "Brenn Verseny" "x64;1033" "$(code)"
for query in "UPDATE Property SET Value = '$higher' WHERE Property = 'ProductVersion'" \
    "UPDATE Property SET Value = '$(code)' WHERE Property = 'ProductCode'" \
    "DELETE FROM Upgrade WHERE ActionProperty = 'WIX_UPGRADE_DETECTED'" \
    "DELETE FROM Upgrade WHERE ActionProperty = 'WIX_DOWNGRADE_DETECTED'" \
    "INSERT INTO Upgrade (UpgradeCode, VersionMax, Attributes, ActionProperty) VALUES
     ('$upgrade_code', '$higher', 1, 'WIX_UPGRADE_DETECTED')" \
    "INSERT INTO Upgrade (UpgradeCode, VersionMin, Attributes, ActionProperty) VALUES
     ('$upgrade_code', '$higher', 2, 'WIX_DOWNGRADE_DETECTED')"; do
    msibuild "$newer" -q "$query"
done
env -u DISPLAY "$wine" --window msiexec /i "Z:$newer" /qn || fail "msiexec /i (the newer package)"
[ "$(installed)" = 1 ] || fail "after the upgrade $(installed) Trelko products are installed"
env -u DISPLAY "$wine" --window msiexec /x "Z:$newer" /qn || fail "msiexec /x"
"$wine" --end
[ ! -e "$program_files" ] || fail "left in Program Files: $(find "$program_files" | head -5)"
for folder in "$menu" "$user_menu"; do
    [ ! -e "$folder" ] || fail "left in the Start menu: $(find "$folder" | head -5)"
done
[ "$(installed)" = 0 ] || fail "still listed as installed after msiexec /x"
[ -f "$settings/faktor.txt" ] || fail "the organisers' faktor.txt went with the program"
"$wine" --end

if [ "$failures" -gt 0 ]; then
    echo "windows package check: $failures failures" >&2
    exit 1
fi
say "$(basename "$zip") and $(basename "$msi") pass ($((SECONDS - started)) s)"
