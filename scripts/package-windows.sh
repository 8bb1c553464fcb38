#!/usr/bin/env bash
# Builds the two Windows packages for a lab from a Release cross build of the three programs
# (MinGW-w64, Qt for Windows from scripts/windows-toolchain.sh) in its own folder (default
# build-windows-package/):
#
#   trelko-<version>-windows-x64.zip  the portable folder: the programs, their DLLs, the
#                                     platform plugin, the translations and the read-me files;
#                                     it runs from any writable folder and keeps its files there
#   trelko-<version>-x64.msi          the same folder installed per machine into Program Files
#                                     (msitools' wixl; packaging/windows/trelko.wxs)
#
# With --sign CERT.pfx the programs and the MSI are signed with osslsigncode (the certificate's
# password, if it has one, in the file given with --password-file). Incremental like the other
# builds; never needs root. Prints the two packages' paths last.
#
#     bash scripts/package-windows.sh [--sign CERT.pfx [--password-file FILE]] [BUILD]
set -euo pipefail
cd "$(dirname "$0")/.."
usage() {
    echo "usage: bash scripts/package-windows.sh [--sign CERT.pfx [--password-file FILE]] [BUILD]" >&2
    exit 2
}

certificate=
password_file=
build=build-windows-package
while [ $# -gt 0 ]; do
    case $1 in
        --sign) [ $# -ge 2 ] || usage; certificate=$(realpath "$2"); shift 2 ;;
        --password-file) [ $# -ge 2 ] || usage; password_file=$(realpath "$2"); shift 2 ;;
        -*) usage ;;
        *) build=$1; shift ;;
    esac
done
if [ -n "$certificate" ] && [ ! -r "$certificate" ]; then
    echo "package-windows: cannot read the certificate $certificate" >&2
    exit 2
fi

bash scripts/deps.sh >&2
prefixes=$(bash scripts/windows-toolchain.sh --prefixes)
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DSIM_BUILD_TESTS=OFF -DSIM_BUILD_BENCH=OFF \
    "-DSIM_WINDOWS_PREFIXES=$prefixes" "${launcher[@]}" >&2
cmake --build "$build" -j "$(nproc)" >&2

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=trelko-$version-windows-x64
out=$(realpath "$build")/packages
rm -rf "$out"
mkdir -p "$out"
cmake --install "$build" --prefix "$out/$name" --strip >/dev/null
# The DLLs as well: Debian's MinGW runtime carries its debugging symbols (libstdc++ 23 MB).
find "$out/$name" -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} +

# The same sources give the same packages: the files' times are the commit's.
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null || date +%s)

sign() {
    [ -n "$certificate" ] || return 0
    local file=$1 password=()
    [ -z "$password_file" ] || password=(-readpass "$password_file")
    osslsigncode sign -pkcs12 "$certificate" "${password[@]}" -h sha256 \
        -n "Trelko $version" -in "$file" -out "$file.signed" >&2
    mv "$file.signed" "$file"
}
for program in trelko trelko-runner trelko-grade; do
    sign "$out/$name/$program.exe"
done
find "$out/$name" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +

zip=$out/$name.zip
(cd "$out" && find "$name" -print | LC_ALL=C sort | zip -X -q -9 "$zip" -@)

# The MSI: the programs and the Start menu's entries from trelko.wxs, the folder's other files
# listed by wixl-heat. wixl takes the files' paths relative to the sources', so all of them are
# put beside the folder for the while.
msi=$out/trelko-$version-x64.msi
msi_sources=(trelko.wxs folder.wxs trelko.ico)
cp packaging/windows/trelko.wxs "$build/packaging/windows/trelko.ico" "$out/"
(
    cd "$out"
    find "$name" -type f ! -name '*.exe' | LC_ALL=C sort |
        wixl-heat -p "$name/" --directory-ref INSTALLDIR --component-group FolderFiles \
            --var var.SourceDir --win64 >folder.wxs
    wixl -a x64 -D "Version=$version" -D "SourceDir=$name" -D Win64=yes -D IconFile=trelko.ico \
        -o "$msi" trelko.wxs folder.wxs >&2
    rm "${msi_sources[@]}"
)
sign "$msi"

echo "$zip"
echo "$msi"
