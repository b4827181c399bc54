#!/usr/bin/env bash
# Builds Quorvis for 64-bit Windows on Debian 12 and tests it under Wine, then makes the installer and checks it.
#
# Qt, ERFA and Abseil come from Debian's own source packages (apt-get source), built once with mingw-w64 into
# ~/.cache/quorvis-windows/<versions and flags>, and reused from there; GoogleTest from /usr/src/googletest.
# Then quorvis.exe and quorvis-exact.exe are cross-built from this CMake project (cmake/mingw-w64.cmake), the
# test suite runs under Wine in a fresh prefix, the exact reading is compared with the Linux build's, and
# packaging/windows/quorvis.nsi makes build-windows/Quorvis-1.0-setup.exe, which is installed, used and
# uninstalled under Wine on a virtual X display.
#
# QUORVIS_WINDOWS_CACHE overrides the cache's parent folder; QUORVIS_WINDOWS_STAGE=deps stops once the
# libraries are in the cache.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=deps.sh
source "$root/scripts/deps.sh"
quorvis_install_deps "${QUORVIS_WINDOWS_PACKAGES[@]}"

started=$(date +%s)
say() { printf '\n== %s (%ds)\n' "$*" "$(($(date +%s) - started))"; }
as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}
jobs=$(($(nproc) < 2 ? $(nproc) : 2))
toolchain="$root/cmake/mingw-w64.cmake"
triplet=x86_64-w64-mingw32

# apt-get source needs deb-src entries for Debian's archive; a stock Debian 12 has only deb ones.
if [ -z "$(apt-cache showsrc qt6-base 2>/dev/null)" ]; then
    say "adding deb-src entries for Debian's archive"
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        as_root sed -i 's/^Types: deb$/Types: deb deb-src/' /etc/apt/sources.list.d/debian.sources
    fi
    if [ -f /etc/apt/sources.list ] && grep -q '^deb ' /etc/apt/sources.list; then
        grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
            as_root tee /etc/apt/sources.list.d/quorvis-deb-src.list >/dev/null
    fi
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
fi

# The source version of an installed binary package, or else the newest source package on offer.
source_version() {
    local src=$1 bin=$2 v
    v=$(dpkg-query -W -f='${source:Version}' "$bin" 2>/dev/null || true)
    if [ -z "$v" ]; then
        v=$(apt-cache showsrc "$src" | sed -n 's/^Version: //p' | sort -V | tail -n 1)
    fi
    echo "$v"
}
qt_version=$(source_version qt6-base qt6-base-dev)
erfa_version=$(source_version erfa liberfa-dev)
absl_version=$(source_version abseil libabsl-dev)
gtest_version=$(dpkg-query -W -f='${Version}' googletest)
gcc_version=$(dpkg-query -W -f='${Version}' g++-mingw-w64-x86-64-posix)

# Qt for Windows: shared (the LGPL asks that the user can swap Qt's DLLs), the modules and features Quorvis uses.
qt_flags=(
    -release -shared -xplatform win32-g++ -qt-host-path /usr
    -nomake examples -nomake tests -no-opengl -no-vulkan -no-dbus -no-icu
    -qt-zlib -qt-pcre -qt-harfbuzz -qt-freetype -qt-libpng -qt-libjpeg
    -no-feature-sql -no-feature-network -no-feature-printsupport -no-feature-concurrent -no-feature-xml
    -no-feature-direct2d -no-feature-directwrite3 -no-feature-tabletevent -no-feature-androiddeployqt
)
absl_flags=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_STANDARD=17 -DABSL_PROPAGATE_CXX_STD=ON -DBUILD_TESTING=OFF
    -DABSL_BUILD_TESTING=OFF -DBUILD_SHARED_LIBS=OFF)
recipe="qt=$qt_version erfa=$erfa_version absl=$absl_version gtest=$gtest_version gcc=$gcc_version
qt: ${qt_flags[*]}
absl: ${absl_flags[*]}
$(cat "$toolchain")"
key="qt${qt_version%%+*}-$(printf '%s' "$recipe" | sha256sum | cut -c1-12)"
cache="${QUORVIS_WINDOWS_CACHE:-$HOME/.cache/quorvis-windows}/$key"
mkdir -p "$cache"
printf '%s\n' "$recipe" >"$cache/recipe.txt"
qt_prefix="$cache/qt6-win"
erfa_prefix="$cache/erfa-win"
absl_prefix="$cache/absl-win"
gtest_prefix="$cache/gtest-win"
notices="$cache/notices"
echo "Windows libraries: $cache"

# Unpacks Debian's source package $1 at version $2 into $3 (emptied first) and prints the source folder.
fetch_source() {
    local pkg=$1 version=$2 dir=$3
    rm -rf "$dir" && mkdir -p "$dir"
    (cd "$dir" && apt-get source -q "$pkg=$version" >&2)
    find "$dir" -mindepth 1 -maxdepth 1 -type d | head -n 1
}

# Each library is built in work/, installed into the cache, and stamped only once it is complete.
if [ ! -f "$cache/stamp-qt" ]; then
    say "Qt $qt_version for Windows (20 to 35 minutes)"
    rm -rf "$qt_prefix"
    src=$(fetch_source qt6-base "$qt_version" "$cache/work/qt-src")
    mkdir -p "$notices/qt"
    cp "$src"/LICENSES/LGPL-3.0-only.txt "$src"/LICENSES/GPL-3.0-only.txt "$src"/LICENSES/GPL-2.0-only.txt \
        "$notices/qt/"
    cp "$src/debian/copyright" "$notices/qt/debian-copyright.txt"
    build="$cache/work/qt-build"
    rm -rf "$build" && mkdir -p "$build"
    (cd "$build" && "$src/configure" -prefix "$qt_prefix" "${qt_flags[@]}" -- -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)
    nice -n 10 cmake --build "$build" --parallel "$jobs"
    cmake --install "$build" >/dev/null
    rm -rf "$cache/work/qt-src" "$build"
    touch "$cache/stamp-qt"
fi

if [ ! -f "$cache/stamp-erfa" ]; then
    say "ERFA $erfa_version for Windows"
    rm -rf "$erfa_prefix"
    src=$(fetch_source erfa "$erfa_version" "$cache/work/erfa-src")
    mkdir -p "$notices/erfa"
    cp "$src/LICENSE" "$notices/erfa/LICENSE.txt"
    (cd "$src" && autoreconf -fi >/dev/null 2>&1 &&
        ./configure -q --host=$triplet CC=$triplet-gcc-posix --prefix="$erfa_prefix" &&
        nice -n 10 make -s -j "$jobs" LDFLAGS=-no-undefined && make -s install)
    rm -rf "$cache/work/erfa-src"
    touch "$cache/stamp-erfa"
fi

if [ ! -f "$cache/stamp-absl" ]; then
    say "Abseil $absl_version for Windows"
    rm -rf "$absl_prefix"
    src=$(fetch_source abseil "$absl_version" "$cache/work/absl-src")
    mkdir -p "$notices/abseil"
    cp "$src/LICENSE" "$notices/abseil/LICENSE.txt"
    cmake -S "$src" -B "$cache/work/absl-build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_INSTALL_PREFIX="$absl_prefix" "${absl_flags[@]}" >/dev/null
    nice -n 10 cmake --build "$cache/work/absl-build" --parallel "$jobs"
    cmake --install "$cache/work/absl-build" >/dev/null
    rm -rf "$cache/work/absl-src" "$cache/work/absl-build"
    touch "$cache/stamp-absl"
fi

if [ ! -f "$cache/stamp-gtest" ]; then
    say "GoogleTest $gtest_version for Windows"
    rm -rf "$gtest_prefix"
    cmake -S /usr/src/googletest -B "$cache/work/gtest-build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$gtest_prefix" -DBUILD_GMOCK=OFF >/dev/null
    nice -n 10 cmake --build "$cache/work/gtest-build" --parallel "$jobs"
    cmake --install "$cache/work/gtest-build" >/dev/null
    rm -rf "$cache/work/gtest-build"
    touch "$cache/stamp-gtest"
fi
rm -rf "$cache/work"
say "libraries ready"
if [ "${QUORVIS_WINDOWS_STAGE:-}" = deps ]; then
    exit 0
fi
