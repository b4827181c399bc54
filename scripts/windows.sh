#!/usr/bin/env bash
# Builds Quorvis for 64-bit Windows on Debian 12 and tests it under Wine, then makes the installer and checks it.
#
# Qt, ERFA and Abseil come from Debian's own source packages (apt-get source, kept as fetched), built once with
# mingw-w64 into ~/.cache/quorvis-windows/<library>-<version>-<hash of its flags>, and reused from there;
# GoogleTest from /usr/src/googletest.
# Then quorvis.exe and quorvis-exact.exe are cross-built from this CMake project (cmake/mingw-w64.cmake), the
# test suite runs under Wine in a fresh prefix, the exact reading is compared with the Linux build's, and
# packaging/windows/quorvis.nsi makes build-windows/Quorvis-1.0-setup.exe, which is installed, used and
# uninstalled under Wine on a virtual X display.
#
# QUORVIS_WINDOWS_CACHE overrides the cache's parent folder; QUORVIS_WINDOWS_STAGE=deps stops once the
# libraries are in the cache, and QUORVIS_WINDOWS_STAGE=installer skips the test suite under Wine and the
# comparison of the exact readings (for work on the installer alone); QUORVIS_WINDOWS_STAGE=bench, when the
# libraries are cached already (else it ends with status 3), builds the programs and puts them, as installed,
# with the start-up baselines bench_floor.exe and bench_bare.exe beside them, into build-windows/bench/ for
# scripts/bench.sh to time under Wine.
# QUORVIS_SIGN_PKCS12 names a code-signing certificate with its key (a .pfx/.p12 file), its password in the file
# QUORVIS_SIGN_PASSWORD_FILE: then the programs, the installer and its uninstaller are signed with osslsigncode
# (packaging/windows/sign.sh), with a time stamp from QUORVIS_SIGN_TIMESTAMP_URL when that is set.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
started=$(date +%s)
say() { printf '\n== %s (%ds)\n' "$*" "$(($(date +%s) - started))"; }
# shellcheck source=deps.sh
source "$root/scripts/deps.sh"
quorvis_install_deps "${QUORVIS_WINDOWS_PACKAGES[@]}"

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
    -no-feature-sql -no-feature-network -no-feature-concurrent -no-feature-xml
    -no-feature-direct2d -no-feature-directwrite3 -no-feature-tabletevent -no-feature-androiddeployqt
)
absl_flags=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_STANDARD=17 -DABSL_PROPAGATE_CXX_STD=ON -DBUILD_TESTING=OFF
    -DABSL_BUILD_TESTING=OFF -DBUILD_SHARED_LIBS=OFF)
erfa_flags=(--host=$triplet CC=$triplet-gcc-posix --disable-static)
gtest_flags=(-DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF)

# The cache: Debian's source packages as fetched (sources/<package>_<version>/: the .dsc and its tarballs), and
# one folder per library whose name holds the hash of what it was built from (its version, its flags, the
# toolchain file and the compiler), so that a change to one library's flags rebuilds that library only.
cache_root="${QUORVIS_WINDOWS_CACHE:-$HOME/.cache/quorvis-windows}"
toolchain_recipe="$(cat "$toolchain")
mingw-w64 g++ $gcc_version"
qt_recipe="qt6-base $qt_version: configure ${qt_flags[*]}"
erfa_recipe="erfa $erfa_version: configure ${erfa_flags[*]}; make LDFLAGS=-no-undefined"
absl_recipe="abseil $absl_version: cmake ${absl_flags[*]}"
gtest_recipe="googletest $gtest_version (/usr/src/googletest): cmake ${gtest_flags[*]}"
library_dir() { # name, version, recipe
    printf '%s/%s-%s-%s' "$cache_root" "$1" "${2%%[+~]*}" \
        "$(printf '%s\n%s' "$3" "$toolchain_recipe" | sha256sum | cut -c1-12)"
}
qt_dir=$(library_dir qt "$qt_version" "$qt_recipe")
erfa_dir=$(library_dir erfa "$erfa_version" "$erfa_recipe")
absl_dir=$(library_dir absl "$absl_version" "$absl_recipe")
gtest_dir=$(library_dir gtest "$gtest_version" "$gtest_recipe")
qt_prefix="$qt_dir/install"
erfa_prefix="$erfa_dir/install"
absl_prefix="$absl_dir/install"
gtest_prefix="$gtest_dir/install"
recipe="$qt_recipe
$erfa_recipe
$absl_recipe
$gtest_recipe
toolchain (cmake/mingw-w64.cmake, with Debian's g++-mingw-w64-x86-64-posix $gcc_version):
$toolchain_recipe"
printf 'Windows libraries:\n  %s\n  %s\n  %s\n  %s\n' "$qt_dir" "$erfa_dir" "$absl_dir" "$gtest_dir"
if [ "${QUORVIS_WINDOWS_STAGE:-}" = bench ]; then
    for dir in "$qt_dir" "$erfa_dir" "$absl_dir" "$gtest_dir"; do
        [ -f "$dir/stamp" ] || { echo "the Windows libraries are not cached yet: $dir" >&2; exit 3; }
    done
fi

# Downloads Debian's source package $1 at version $2 once, as fetched, and prints its folder. With a third
# argument "dsc-if-needed", a package whose tarballs the archive cannot give (some are unreachable from here)
# is kept as its .dsc alone, which names and checksums them.
fetch_source() {
    local pkg=$1 version=$2 dir="$cache_root/sources/${1}_${2}"
    if [ ! -f "$dir/stamp" ]; then
        say "fetching Debian's source package $pkg $version" >&2
        rm -rf "$dir" && mkdir -p "$dir"
        if ! (cd "$dir" && apt-get source -q --download-only "$pkg=$version" >&2); then
            [ "${3:-}" = dsc-if-needed ] || return 1
            rm -rf "$dir" && mkdir -p "$dir"
            (cd "$dir" && apt-get source -q --download-only --dsc-only "$pkg=$version" >&2)
            echo "only the .dsc: its tarballs could not be fetched" >"$dir/dsc-only"
        fi
        touch "$dir/stamp"
    fi
    echo "$dir"
}
# Unpacks the source package $1 at version $2 (Debian's patches applied) into $3, once, and prints that folder.
unpack_source() {
    local dir=$3
    if [ ! -f "$dir.unpacked" ]; then
        rm -rf "$dir"
        mkdir -p "$(dirname "$dir")"
        dpkg-source -q --no-check -x "$(fetch_source "$1" "$2")"/*.dsc "$dir" >&2
        touch "$dir.unpacked"
    fi
    echo "$dir"
}

# Each library is built in its folder's work/ and installed into its install/; it is stamped only once
# complete, and its work/ is kept until then, so that an interrupted build (a CI run out of time, a closed
# terminal) goes on where it stopped: Ninja and make redo only what is missing.
if [ ! -f "$qt_dir/stamp" ]; then
    say "Qt $qt_version for Windows (50 to 60 minutes at two jobs from nothing; resumed if interrupted)"
    src=$(unpack_source qt6-base "$qt_version" "$qt_dir/work/src")
    # Print Support refers to the DirectWrite font engine, which Qt Gui builds only with Direct2D (off here):
    # packaging/windows/qt-print-support.patch leaves that path out. Without it this Qt cannot be built with
    # these flags at all, so no cached build lacks it.
    if ! grep -q 'QT_CONFIG(directwrite) && QT_CONFIG(direct2d)' "$src/src/printsupport/platform/windows/qprintengine_win.cpp"; then
        patch -d "$src" -p1 --quiet <"$root/packaging/windows/qt-print-support.patch"
    fi
    build="$qt_dir/work/build"
    if [ ! -f "$build.configured" ]; then
        rm -rf "$build" && mkdir -p "$build"
        (cd "$build" && "$src/configure" -prefix "$qt_prefix" "${qt_flags[@]}" -- -G Ninja \
            -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake) \
            >"$qt_dir/configure.log" 2>&1 || { tail -n 60 "$qt_dir/configure.log"; exit 1; }
        touch "$build.configured"
    fi
    # (Its compiler warnings are Qt's own business: they go to a log, shown if the build fails.)
    if ! nice -n 10 cmake --build "$build" --parallel "$jobs" >>"$qt_dir/build.log" 2>&1; then
        tail -n 60 "$qt_dir/build.log"
        exit 1
    fi
    rm -rf "$qt_prefix"
    cmake --install "$build" >/dev/null
    printf '%s\n%s\n' "$qt_recipe" "$toolchain_recipe" >"$qt_dir/recipe.txt"
    rm -rf "$qt_dir/work"
    touch "$qt_dir/stamp"
fi

if [ ! -f "$erfa_dir/stamp" ]; then
    say "ERFA $erfa_version for Windows"
    src=$(unpack_source erfa "$erfa_version" "$erfa_dir/work/src")
    (cd "$src" && { [ -f configure ] || autoreconf -fi >/dev/null 2>&1; } &&
        ./configure -q --prefix="$erfa_prefix" "${erfa_flags[@]}" &&
        nice -n 10 make -s -j "$jobs" LDFLAGS=-no-undefined >/dev/null && rm -rf "$erfa_prefix" &&
        make -s install >/dev/null)
    printf '%s\n%s\n' "$erfa_recipe" "$toolchain_recipe" >"$erfa_dir/recipe.txt"
    rm -rf "$erfa_dir/work"
    touch "$erfa_dir/stamp"
fi

if [ ! -f "$absl_dir/stamp" ]; then
    say "Abseil $absl_version for Windows"
    src=$(unpack_source abseil "$absl_version" "$absl_dir/work/src")
    cmake -S "$src" -B "$absl_dir/work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_INSTALL_PREFIX="$absl_prefix" "${absl_flags[@]}" >/dev/null
    nice -n 10 cmake --build "$absl_dir/work/build" --parallel "$jobs"
    rm -rf "$absl_prefix"
    cmake --install "$absl_dir/work/build" >/dev/null
    printf '%s\n%s\n' "$absl_recipe" "$toolchain_recipe" >"$absl_dir/recipe.txt"
    rm -rf "$absl_dir/work"
    touch "$absl_dir/stamp"
fi

if [ ! -f "$gtest_dir/stamp" ]; then
    say "GoogleTest $gtest_version for Windows"
    cmake -S /usr/src/googletest -B "$gtest_dir/work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_INSTALL_PREFIX="$gtest_prefix" "${gtest_flags[@]}" >/dev/null
    nice -n 10 cmake --build "$gtest_dir/work/build" --parallel "$jobs"
    rm -rf "$gtest_prefix"
    cmake --install "$gtest_dir/work/build" >/dev/null
    printf '%s\n%s\n' "$gtest_recipe" "$toolchain_recipe" >"$gtest_dir/recipe.txt"
    rm -rf "$gtest_dir/work"
    touch "$gtest_dir/stamp"
fi
say "libraries ready"
if [ "${QUORVIS_WINDOWS_STAGE:-}" = deps ]; then
    exit 0
fi

out="$root/build-windows"
mkdir -p "$out"

# The licence texts and notices of the libraries, taken from the very source packages they were built from, and
# those packages themselves, as fetched, with the recipe, in one archive published beside the installer (the
# LGPL asks that the user can rebuild Qt and relink).
notices="$out/notices"
rm -rf "$notices" "$out/sources" && mkdir -p "$notices/qt" "$notices/erfa" "$notices/abseil" "$out/sources"
qt_src=$(fetch_source qt6-base "$qt_version")
tar -xf "$qt_src"/*.orig.tar.* -C "$out/sources" --wildcards --no-wildcards-match-slash '*/LICENSES/*'
tar -xf "$qt_src"/*.debian.tar.* -C "$out/sources" debian/copyright
qt_tree=$(find "$out/sources" -mindepth 1 -maxdepth 1 -name 'qtbase*' -type d)
cp "$qt_tree"/LICENSES/LGPL-3.0-only.txt "$qt_tree"/LICENSES/GPL-3.0-only.txt "$qt_tree"/LICENSES/GPL-2.0-only.txt \
    "$notices/qt/"
cp "$out/sources/debian/copyright" "$notices/qt/debian-copyright.txt"
# Qt's own translations (translations\qtbase_*.qm) are Debian's qt6-translations-l10n, from qt6-translations.
qt_l10n_version=$(dpkg-query -W -f='${source:Version}' qt6-translations-l10n)
fetch_source qt6-translations "$qt_l10n_version" dsc-if-needed >/dev/null
cp /usr/share/doc/qt6-translations-l10n/copyright "$notices/qt/translations-debian-copyright.txt"
python3 "$root/packaging/windows/qt_notices.py" "$qt_src"/*.orig.tar.* "$notices/qt/third-party.txt"
erfa_tree=$(unpack_source erfa "$erfa_version" "$out/sources/erfa")
cp "$erfa_tree/LICENSE" "$notices/erfa/LICENSE.txt"
absl_tree=$(unpack_source abseil "$absl_version" "$out/sources/abseil")
cp "$absl_tree/LICENSE" "$notices/abseil/LICENSE.txt"
version=$(sed -n 's/^project(quorvis VERSION \([0-9.]*\)$/\1/p' "$root/CMakeLists.txt")
sources_archive="$out/Quorvis-${version%.*}-windows-sources.tar.xz"
(
    bundle="$out/sources/Quorvis-${version%.*}-windows-sources"
    mkdir -p "$bundle/recipe"
    for pkg in "qt6-base_$qt_version" "qt6-translations_$qt_l10n_version" "erfa_$erfa_version" "abseil_$absl_version"; do
        mkdir -p "$bundle/$pkg"
        find "$cache_root/sources/$pkg" -maxdepth 1 -type f ! -name stamp ! -name dsc-only -exec cp {} "$bundle/$pkg/" \;
    done
    cp "$root/scripts/windows.sh" "$root/scripts/deps.sh" "$root/cmake/mingw-w64.cmake" \
        "$root/packaging/windows/qt-print-support.patch" "$bundle/recipe/"
    printf '%s\n' "$recipe" >"$bundle/recipe/libraries.txt"
    sed -e "s/@VERSION@/$version/g" -e "s/@QT_VERSION@/$qt_version/g" -e "s/@ERFA_VERSION@/$erfa_version/g" \
        -e "s/@ABSL_VERSION@/$absl_version/g" -e "s/@GCC_VERSION@/$gcc_version/g" \
        -e "s/@QT_L10N_VERSION@/$qt_l10n_version/g" "$root/packaging/windows/sources.txt.in" >"$bundle/README.txt"
    # (The tarballs are compressed already.)
    tar -C "$out/sources" --owner=0 --group=0 --sort=name -cf - "$(basename "$bundle")" | xz -0 -T2 >"$sources_archive"
)
winpath() { printf 'Z:%s' "${1//\//\\}"; }

# The Linux build of the same sources, Release, for the comparisons: the exact reading's answers and the
# start-up time.
say "Linux build for reference"
cmake -S "$root" -B "$out/linux" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVIS_BUILD_TESTS=OFF >/dev/null
nice -n 10 cmake --build "$out/linux" --parallel "$jobs" --target quorvis quorvis-exact

# Wine, in a prefix made afresh for each run; the build itself runs a Windows program (the gazetteer's index
# maker) through it. Qt's and ERFA's DLLs and the GCC runtime are found through
# WINEPATH; the Windows program's zone files lie beside it in bin/.
export WINEPREFIX="$out/wine-tests" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
gcc_runtime="$(dirname "$($triplet-g++-posix -print-file-name=libstdc++-6.dll)")"
winpthread="$(dirname "$(readlink -f "$($triplet-g++-posix -print-file-name=libwinpthread-1.dll)")")"
export WINEPATH="$(winpath "$qt_prefix/bin");$(winpath "$erfa_prefix/bin");$(winpath "$gcc_runtime");$(winpath "$winpthread")"
# (A server left from an earlier run is ended before its prefix goes, and this run's on the way out.)
wineserver -k 2>/dev/null || true
trap 'wineserver -k 2>/dev/null || true' EXIT
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
say "a fresh Wine prefix"
wineserver -p 60 # stays up between the tests' programs for a minute
wine wineboot --init >/dev/null 2>&1

say "Windows build"
win="$out/win"
PKG_CONFIG_LIBDIR="$erfa_prefix/lib/pkgconfig" cmake -S "$root" -B "$win" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_FIND_ROOT_PATH="$qt_prefix;$erfa_prefix;$absl_prefix;$gtest_prefix" \
    -DCMAKE_PREFIX_PATH="$qt_prefix;$absl_prefix;$gtest_prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$root/tests/wine.sh" -DQUORVIS_WINDOWS_NOTICES="$notices" \
    -DQUORVIS_BUILD_TESTS=ON -DQUORVIS_BUILD_BENCH=ON >/dev/null
nice -n 10 cmake --build "$win" --parallel "$jobs"
# What a console program says on Windows: the subsystem field of its PE header (2 windowed, 3 console).
subsystem() { x86_64-w64-mingw32-objdump -p "$1" | awk '/^Subsystem/ {print $2}'; }
[ "$(subsystem "$win/bin/quorvis.exe")" = 00000002 ] || { echo "quorvis.exe is not a windowed program" >&2; exit 1; }
[ "$(subsystem "$win/bin/quorvis-exact.exe")" = 00000003 ] || { echo "quorvis-exact.exe is not a console program" >&2; exit 1; }
# Each program's version resource (UTF-16 strings) carries the maker and the version from the build's facts,
# and its manifest asks for UTF-8 as the code page.
for exe in quorvis.exe quorvis-exact.exe; do
    resource_strings="$(strings -el "$win/bin/$exe")"
    for fact in "$(sed -n 's/^set(QUORVIS_ORGANISATION "\(.*\)")$/\1/p' "$root/CMakeLists.txt")" "$version"; do
        grep -qx "$fact" <<<"$resource_strings" || { echo "$exe's version resource lacks $fact" >&2; exit 1; }
    done
    grep -aq '<activeCodePage[^>]*>UTF-8<' "$win/bin/$exe" || { echo "$exe has no UTF-8 manifest" >&2; exit 1; }
done

if [ "${QUORVIS_WINDOWS_STAGE:-}" = bench ]; then
    # The programs as the installer lays them out, stripped alike, and the baselines in the same folder, so
    # that all of them load the same DLLs from the same place.
    bench_dir="$out/bench"
    rm -rf "$bench_dir"
    cmake --install "$win" --prefix "$bench_dir" >/dev/null
    cp "$win/bin/bench_floor.exe" "$win/bin/bench_bare.exe" "$bench_dir/"
    find "$bench_dir" -name '*.exe' -o -name '*.dll' | xargs $triplet-strip --strip-unneeded
    say "the start-up benchmark's folder: $bench_dir"
    exit 0
fi

if [ "${QUORVIS_WINDOWS_STAGE:-}" != installer ]; then
    say "the test suite under Wine"
    ctest --test-dir "$win" --output-on-failure -j "$jobs"

    say "the exact reading, Windows against Linux"
    compare=(--offsets-only)
    if grep -q 'absl' "$root/places/CMakeLists.txt"; then
        compare=()
    fi
    python3 "$root/tests/windows/compare_exact.py" "$out/linux/cli/quorvis-exact" "$win/bin/quorvis-exact.exe" \
        "$root" "$out" "${compare[@]}"
fi

say "the installer"
# The product site as this build has it (the program's links, the uninstall entry and the licence notes agree).
product_site=$(sed -n 's/^ProductSiteAddress:[A-Z]*=//p' "$win/CMakeCache.txt")
download_page="$product_site/download-quorvis.html"
# Signing, when a certificate is given.
sign=()
if [ -n "${QUORVIS_SIGN_PKCS12:-}" ]; then
    export QUORVIS_SIGN_PKCS12 QUORVIS_SIGN_PASSWORD_FILE QUORVIS_SIGN_TIMESTAMP_URL
    sign=(-DSIGN="$root/packaging/windows/sign.sh")
else
    echo "Not signed: no certificate given (QUORVIS_SIGN_PKCS12). Windows SmartScreen and Smart App Control will" \
        "warn about or block the installer and the programs as coming from an unknown publisher."
fi
stage="$out/stage"
rm -rf "$stage"
cmake --install "$win" --prefix "$stage" >/dev/null
find "$stage" -name '*.exe' -o -name '*.dll' | xargs $triplet-strip --strip-unneeded
if ((${#sign[@]})); then
    for exe in "$stage/quorvis.exe" "$stage/quorvis-exact.exe"; do "$root/packaging/windows/sign.sh" "$exe"; done
fi
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$stage/licences/GCC runtime.txt"
cp /usr/share/doc/mingw-w64-x86-64-dev/copyright "$stage/licences/mingw-w64 and winpthreads.txt"
cp /usr/share/doc/tzdata/copyright "$stage/licences/tzdata.txt"
cp /usr/share/common-licenses/GPL-3 "$stage/licences/GPL-3.0 (GCC runtime).txt"
printf '%s\n' "$recipe" >"$stage/licences/How the libraries were built.txt"
sed -e "s/@VERSION@/$version/g" -e "s/@QT_VERSION@/$qt_version/g" -e "s/@ERFA_VERSION@/$erfa_version/g" \
    -e "s/@ABSL_VERSION@/$absl_version/g" -e "s/@QT_L10N_VERSION@/$qt_l10n_version/g" -e "s/@GCC_VERSION@/$gcc_version/g" \
    -e "s/@TZDATA_VERSION@/$(dpkg-query -W -f='${Version}' tzdata)/g" \
    -e "s/@SOURCES@/$(basename "$sources_archive")/g" -e "s|@DOWNLOAD_PAGE@|$download_page|g" \
    "$root/packaging/windows/licences.txt.in" | sed 's/$/\r/' >"$stage/licences/README.txt"
# Every file by name, so that the uninstaller removes what was installed and nothing else.
lists="$out/nsis"
mkdir -p "$lists"
(
    cd "$stage"
    find -L . -type d | sort | while read -r dir; do
        rel="${dir#./}"
        [ "$dir" = . ] && rel=""
        files=$(find -L "$dir" -maxdepth 1 -type f | sort)
        [ -n "$files" ] || continue
        printf 'SetOutPath "$INSTDIR%s"\n' "${rel:+\\${rel//\//\\}}"
        while read -r f; do printf 'File "%s"\n' "$stage/${f#./}"; done <<<"$files"
    done >"$lists/install.nsh"
    { find -L . -type f | sort | while read -r f; do f="${f#./}"; printf '!insertmacro RemoveFile "$INSTDIR\\%s"\n' "${f//\//\\}"; done
      find -L . -mindepth 1 -type d | sort -r | while read -r d; do d="${d#./}"; printf 'RMDir "$INSTDIR\\%s"\n' "${d//\//\\}"; done
    } >"$lists/uninstall.nsh"
)
setup="$out/Quorvis-${version%.*}-setup.exe"
makensis -V2 -DVERSION="$version" -DPUBLISHER="$(sed -n 's/^set(QUORVIS_ORGANISATION "\(.*\)")$/\1/p' "$root/CMakeLists.txt")" \
    -DICON="$root/resources/icons/quorvis.ico" -DSTAGE="$stage" -DLISTS="$lists" -DOUTFILE="$setup" \
    -DPRODUCT_SITE="$product_site" "${sign[@]}" "$root/packaging/windows/quorvis.nsi"
size=$(stat -c %s "$setup")
echo "$(basename "$setup"): $size bytes"
((size <= 12 * 1024 * 1024)) || { echo "the installer is over 12 MB" >&2; exit 1; }

# An "older version" for the installer check: 0.9.0, with a file that this version no longer has.
older="$out/older"
mkdir -p "$older"
echo "a file only the older version had" >"$older/old-only.dll"
{ cat "$lists/install.nsh"; printf 'SetOutPath "$INSTDIR"\nFile "%s"\n' "$older/old-only.dll"; } >"$older/install.nsh"
{ echo '!insertmacro RemoveFile "$INSTDIR\old-only.dll"'; cat "$lists/uninstall.nsh"; } >"$older/uninstall.nsh"
makensis -V1 -X'SetCompressor /FINAL zlib' -DVERSION=0.9.0 -DPUBLISHER=Older -DICON="$root/resources/icons/quorvis.ico" \
    -DSTAGE="$stage" -DLISTS="$older" -DOUTFILE="$older/Quorvis-0.9-setup.exe" -DPRODUCT_SITE="$product_site" \
    "$root/packaging/windows/quorvis.nsi"

say "the installer under Wine"
wineserver -k || true
"$root/tests/windows/check_installer.sh" "$setup" "$out/wine-installer" "Quorvis v${version%.*}" \
    "$out/linux" "$older/Quorvis-0.9-setup.exe" "$win/bin/console_check.exe" "$win/bin/hold.exe"

say "done: $setup and $sources_archive ($(du -h "$sources_archive" | cut -f1))"
