#!/usr/bin/env bash
# The Debian package as users get it: a Release build of its own (the suite's build may carry sanitizers),
# packed by CPack and then only inspected: its file list, control fields and unpacked contents. The package
# is never installed on the machine.
# Usage: check_deb.sh CMAKE CPACK GENERATOR CXX SOURCE_DIR WORK_DIR APP_ID VERSION MAKER_SITE HELP_SITE PRODUCT_SITE
set -euo pipefail
# shellcheck disable=SC2034 # some are read by common.sh
cmake="$1" cpack="$2" generator="$3" cxx="$4" source="$5" work="$6" app_id="$7" version="$8"
maker_site="$9" help_site="${10}" product_site="${11}"
# shellcheck source=common.sh
. "$(dirname "$0")/common.sh"

# The Release build is kept between runs so that a rerun only rebuilds what changed.
release="$work/release" out="$work/out" unpacked="$work/unpacked"
rm -rf "$out" "$unpacked"
mkdir -p "$release" "$out"

run_logged() { # log command...
    local log="$1"
    shift
    if ! "$@" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "FAIL: $*"
        exit 1
    fi
}
run_logged "$work/configure.log" env -u CXXFLAGS -u LDFLAGS "$cmake" -S "$source" -B "$release" -G "$generator" \
    -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_BUILD_TYPE=Release \
    -DQUORVIS_BUILD_TESTS=OFF -DQUORVIS_BUILD_BENCH=OFF -DQUORVIS_SANITIZE=OFF \
    -DMakerSiteAddress="$maker_site" -DHelpSiteAddress="$help_site" -DProductSiteAddress="$product_site"
run_logged "$work/build.log" "$cmake" --build "$release" -j2
# shellcheck disable=SC2016 # expanded by the inner shell
run_logged "$work/cpack.log" bash -c 'cd "$1" && "$2" -G DEB -B "$3"' _ "$release" "$cpack" "$out"

arch="$(dpkg --print-architecture)"
deb="$out/quorvis_${version}_${arch}.deb"
if [ ! -f "$deb" ]; then
    echo "FAIL: no $(basename "$deb"); CPack made: $(cd "$out" && ls)"
    exit 1
fi
echo "ok: built $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }

control_fields_describe_quorvis() {
    local status=0 name want
    for name in Package Version Architecture Maintainer Section Priority; do
        case "$name" in
        Package) want=quorvis ;;
        Version) want="$version" ;;
        Architecture) want="$arch" ;;
        Maintainer) want="Pellmark <support@pellmark.example>" ;;
        Section) want=misc ;;
        Priority) want=optional ;;
        esac
        [ "$(field "$name")" = "$want" ] || { echo "$name is '$(field "$name")', expected '$want'"; status=1; }
    done
    [ "$(field Homepage)" = "$product_site" ] || { echo "Homepage is '$(field Homepage)'"; status=1; }
    [ "$(field Description | wc -l)" -ge 2 ] || { echo "Description has no long text: $(field Description)"; status=1; }
    field Description | awk 'length > 80 { print "Description line over 80 characters: " $0; bad = 1 } END { exit bad }' ||
        status=1
    return $status
}

depends_come_from_the_libraries_used() {
    local depends
    depends="$(field Depends)"
    echo "Depends: $depends"
    local names pkg status=0
    names="$(sed -E 's/ \([^)]*\)//g; s/ *[,|] */\n/g' <<<"$depends")"
    for pkg in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6 tzdata; do
        grep -qxF "$pkg" <<<"$names" || { echo "no $pkg"; status=1; }
    done
    # ERFA is linked in from its static archive where the build machine has one; the package depends on its
    # shared library exactly when a program loads it.
    local erfa_needed=0
    for bin in "$unpacked/usr/bin/quorvis" "$unpacked/usr/bin/quorvis-exact"; do
        readelf -d "$bin" | grep -q "NEEDED.*liberfa" && erfa_needed=1
    done
    if ((erfa_needed)); then
        grep -qxF liberfa1 <<<"$names" || { echo "no liberfa1, though a program loads liberfa"; status=1; }
    else
        grep -qxF liberfa1 <<<"$names" && { echo "liberfa1 among the dependencies, though ERFA is linked in"; status=1; }
    fi
    # A sanitizer build would have dragged its runtimes in.
    grep -E "^lib(asan|ubsan)" <<<"$names" && { echo "sanitizer runtimes among the dependencies"; status=1; }
    return $status
}

# dpkg-deb -c lines: mode owner/group size date time path
contents_are_exactly_the_installed_files() {
    local listing files
    listing="$(dpkg-deb -c "$deb")"
    files="$(awk '$1 !~ /^d/ { print $6 }' <<<"$listing" | LC_ALL=C sort)"
    same_lists "$(expected_files)" "$files" || return 1
    awk '$1 ~ /^d/ && $6 != "./" && $6 !~ /^\.\/usr\// { print "directory outside /usr: " $6; bad = 1 }
         $2 != "root/root" { print "not owned by root: " $6; bad = 1 }
         $1 !~ /^d/ && $6 ~ /^\.\/usr\/bin\// && $1 != "-rwxr-xr-x" { print "program mode " $1 " of " $6; bad = 1 }
         $1 !~ /^d/ && $6 !~ /^\.\/usr\/bin\// && $1 != "-rw-r--r--" { print "mode " $1 " of " $6; bad = 1 }
         END { exit bad }' <<<"$listing"
}

program_is_a_plain_release_build() {
    local bin status=0
    for bin in "$unpacked/usr/bin/quorvis" "$unpacked/usr/bin/quorvis-exact"; do
        file -b "$bin" | grep -q "^ELF .*, stripped" || { echo "not a stripped ELF program: $(file -b "$bin")"; status=1; }
        readelf -d "$bin" | grep -E "RPATH|RUNPATH" && { echo "$bin carries a library search path"; status=1; }
        readelf -d "$bin" | grep -E "NEEDED.*(asan|ubsan)" && { echo "$bin needs a sanitizer runtime"; status=1; }
    done
    return $status
}

lintian_finds_nothing_to_report() {
    # Errors and warnings both count; informational tags do not. (As root it only notes that it is root.)
    local out
    out="$(lintian --tag-display-limit 0 "$deb" 2>&1 | grep -E "^[EW]: ")" && { echo "$out"; return 1; }
    return 0
}

unpacked_program_starts() {
    local home="$work/home"
    rm -rf "$home"
    mkdir -p "$home/config" "$home/runtime"
    chmod 700 "$home/runtime"
    XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=offscreen \
        "$unpacked/usr/bin/quorvis" >"$work/run.log" 2>&1 &
    local pid=$! status
    for _ in $(seq 30); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid" && status=0 || status=$?
        echo "ended within 3 s with status $status: $(cat "$work/run.log")"
        return 1
    fi
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

dpkg-deb -x "$deb" "$unpacked"
check "the control fields describe the quorvis package" control_fields_describe_quorvis
check "Depends comes from dpkg-shlibdeps: Qt Widgets, the C library and no sanitizer" \
    depends_come_from_the_libraries_used
check "the package holds exactly the expected files, owned by root, under /usr" \
    contents_are_exactly_the_installed_files

check_installed_tree "$unpacked"
check "the packaged program is stripped, with no library search path and no sanitizer" \
    program_is_a_plain_release_build
check "the packaged program starts and keeps running" unpacked_program_starts
check "lintian reports no error and no warning on the package" lintian_finds_nothing_to_report

finish
