#!/usr/bin/env bash
# Builds the libraries the Windows build links against, for x86_64-w64-mingw32 from Debian's own
# sources: GoogleTest (/usr/src/googletest), libjpeg (the libjpeg-turbo source package) and Qt's
# qtbase (the qt6-base source package, the host's version, whose tools the cross build uses).
# Each goes once per machine into a cache outside the work tree, in a folder named by its
# version and a key of the compiler's version and the build options, and is reused from then
# on. A build runs aside and is moved into place only when complete, so an interrupted one is
# started again next time. Needs no root; the packages and the deb-src entry come from deps.sh.
#
#     bash scripts/windows-toolchain.sh             builds what is missing
#     bash scripts/windows-toolchain.sh --prefixes  the same, then prints the install folders
#                                                   as one CMake list (for SIM_WINDOWS_PREFIXES)
#
# Qt's first build takes about 35 minutes on two cores shared with other builds (36 min 42 s
# measured here with /usr/bin/time; build-time.txt beside the libraries keeps the figure); --qt,
# which once asked for it, is still accepted. With ccache installed the compiler goes through
# it, so that an interrupted build picks up where it stopped.
#
# TRELKO_WINDOWS_CACHE overrides the cache folder (default: ~/.cache/trelko-windows).
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
toolchain=$repo/cmake/mingw-w64-x86_64.cmake

print_prefixes=0
for arg in "$@"; do
    case $arg in
        --prefixes) print_prefixes=1 ;;
        --qt) ;;
        *) echo "usage: bash scripts/windows-toolchain.sh [--prefixes]" >&2; exit 2 ;;
    esac
done

# An empty environment has no HOME and no locale: the user's home from the password database,
# and a UTF-8 locale every Debian has, for the tools' messages and file names.
home=${HOME:-$(getent passwd "$(id -u)" | cut -d: -f6)}
cache=${TRELKO_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$home/.cache}/trelko-windows}
export LC_ALL=C.UTF-8
unset LANGUAGE
mkdir -p "$cache"
jobs=$(nproc)

version_of() {
    dpkg-query -W -f='${Version}' "$1"
}
compiler=$(version_of g++-mingw-w64-x86-64-posix)
# Comments in the toolchain file do not change what is built.
toolchain_lines=$(grep -vE '^\s*(#|$)' "$toolchain")

# The folder a library is (or will be) installed in: NAME-VERSION-KEY.
prefix_of() {
    local name=$1 version=$2
    shift 2
    local key
    key=$(printf '%s\n' "$compiler" "$toolchain_lines" "$@" | sha256sum | cut -c1-12)
    echo "$cache/$name-${version//[:~]/_}-$key"
}

# Builds NAME into PREFIX with the function BUILD unless PREFIX is there. BUILD gets a scratch
# folder and installs below "$DESTDIR$PREFIX"; the result is moved into place at the end. One
# build of a library at a time on the machine (a lock beside it); scratch folders that an
# interrupted build left are removed under that lock.
cached() {
    local name=$1 prefix=$2 build=$3
    [ -d "$prefix" ] && return 0
    exec {lock}>"$prefix.lock"
    flock "$lock"
    if [ ! -d "$prefix" ]; then
        rm -rf "$prefix".partial.*
        local scratch
        scratch=$(mktemp -d "$prefix.partial.XXXXXX")
        echo "windows-toolchain: building $name into $prefix" >&2
        local start=$EPOCHSECONDS
        # In the background and waited for, so that set -e holds inside.
        # ccache sees paths inside the scratch folder as relative ones, so that a build started
        # again in another scratch folder finds what the first compiled.
        (cd "$scratch" && CCACHE_BASEDIR=$scratch DESTDIR=$scratch/stage "$build" "$prefix") &
        if ! wait $!; then
            for log in "$scratch"/*.log; do
                [ -f "$log" ] && { echo "--- ${log##*/}"; tail -n 30 "$log"; }
            done >&2
            echo "windows-toolchain: building $name failed (its folder: $scratch)" >&2
            return 1
        fi
        mv "$scratch/stage$prefix" "$prefix"
        echo "windows-toolchain: $name built in $(((EPOCHSECONDS - start) / 60)) min" \
            "$(((EPOCHSECONDS - start) % 60)) s" >&2
        rm -rf "$scratch"
    fi
    exec {lock}>&-
    rm -f "$prefix.lock"
}

# Fetches and unpacks a Debian source package (with Debian's patches applied) into ./src.
debian_source() {
    local package=$1 version=$2
    if ! apt-get source --only-source --download-only --print-uris "$package=$version" \
        >/dev/null 2>&1 || ! apt-get source --only-source "$package=$version" >source.log 2>&1; then
        cat source.log >&2 2>/dev/null || true
        echo "windows-toolchain: cannot fetch the source of $package $version;" \
            "bash scripts/deps.sh adds the deb-src entry it needs" >&2
        return 1
    fi
    local dir
    dir=$(find . -maxdepth 1 -mindepth 1 -type d -name "${package}-*" | head -1)
    mv "$dir" src
}

launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake_cross() {
    nice -n 10 cmake -G Ninja -Wno-dev -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" "$@"
}

build_and_install() {
    nice -n 10 cmake --build build -j "$jobs" >build.log
    cmake --install build >install.log
}

# --- GoogleTest
gtest_version=$(version_of googletest)
gtest_options=(-DBUILD_GMOCK=ON -DINSTALL_GTEST=ON)
build_gtest() {
    cmake_cross -S /usr/src/googletest -B build -DCMAKE_INSTALL_PREFIX="$1" "${gtest_options[@]}" \
        >configure.log
    build_and_install
}
gtest_prefix=$(prefix_of googletest "$gtest_version" "${gtest_options[@]}")

# --- libjpeg: static, so that no further DLL ships; no SIMD (that would need an assembler), no
# TurboJPEG API (the program uses libjpeg's).
jpeg_version=$(version_of libjpeg62-turbo-dev)
jpeg_options=(-DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF)
build_jpeg() {
    debian_source libjpeg-turbo "$jpeg_version"
    cmake_cross -S src -B build -DCMAKE_INSTALL_PREFIX="$1" "${jpeg_options[@]}" >configure.log
    build_and_install
}
jpeg_prefix=$(prefix_of libjpeg "$jpeg_version" "${jpeg_options[@]}")

# --- qtbase: Core, Gui, Widgets, Test and the Windows platform plugin, shared, with the host's
# tools. Debian's source lacks the tablet header the platform plugin includes, so no tablet
# events. Off: what the programs do not use, and Qt's JPEG plugin (the program decodes its
# pictures with libjpeg itself), the Direct2D platform plugin with the DirectWrite font database
# that only it brings into Gui (the Windows plugin then lists fonts through GDI), FreeType (Windows
# draws text with its own engines), and the formats and writers no program reads or writes. OpenGL stays,
# loaded at run time (no library to link): the Windows platform plugin of 6.4 does not build
# without it.
qt_version=$(version_of qt6-base-dev)
qt_options=(
    -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DFEATURE_tabletevent=OFF -DFEATURE_opengl_dynamic=ON -DFEATURE_dbus=OFF -DFEATURE_sql=OFF
    -DFEATURE_network=OFF -DFEATURE_printsupport=OFF -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF
    -DFEATURE_jpeg=OFF -DFEATURE_pkg_config=OFF
    -DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF -DFEATURE_vulkan=OFF -DFEATURE_freetype=OFF
    -DFEATURE_pdf=OFF
    -DFEATURE_textodfwriter=OFF -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF
    -DFEATURE_systemtrayicon=OFF -DFEATURE_sessionmanager=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF
)
build_qt() {
    debian_source qt6-base "$qt_version"
    cmake_cross -S src -B build -DCMAKE_INSTALL_PREFIX="$1" "${qt_options[@]}" >configure.log
    # The first build's time, kept beside the libraries.
    /usr/bin/time -v -o time.txt nice -n 10 cmake --build build -j "$jobs" >build.log
    cmake --install build >install.log
    cp time.txt "$DESTDIR$1/build-time.txt"
}
qt_prefix=$(prefix_of qtbase "$qt_version" "${qt_options[@]}")

cached googletest "$gtest_prefix" build_gtest
cached libjpeg "$jpeg_prefix" build_jpeg
cached qtbase "$qt_prefix" build_qt
prefixes="$qt_prefix;$jpeg_prefix;$gtest_prefix"

if [ "$print_prefixes" -eq 1 ]; then
    echo "$prefixes"
fi
