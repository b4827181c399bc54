#!/usr/bin/env bash
# `cmake --install` of the build under test into a staging directory, as a distribution would, and the
# result checked with the desktop's own validators. Nothing is installed on the machine.
# Usage: check_install.sh CMAKE BUILD_DIR SOURCE_DIR WORK_DIR APP_ID VERSION PRODUCT_SITE
set -euo pipefail
# shellcheck disable=SC2034 # some are read by common.sh
cmake="$1" build="$2" source="$3" work="$4" app_id="$5" version="$6" product_site="$7"
# shellcheck source=common.sh
. "$(dirname "$0")/common.sh"

stage="$work/stage"
rm -rf "$stage"
mkdir -p "$stage"
if ! DESTDIR="$stage" "$cmake" --install "$build" --prefix /usr >"$work/install.log" 2>&1; then
    cat "$work/install.log"
    echo "FAIL: cmake --install"
    exit 1
fi

check_installed_tree "$stage"

program_names_its_desktop_entry() {
    # On Wayland the window's app id is this name, and docks find the entry's icon and name by it.
    grep -q "setDesktopFileName(QStringLiteral(\"$app_id\"))" "$source/app/main.cpp" ||
        { grep -n setDesktopFileName "$source/app/main.cpp"; echo "expected the name $app_id"; return 1; }
}
check "the program gives the desktop the desktop entry's name" program_names_its_desktop_entry

windows_resource_carries_the_project_version() {
    # The .rc file holds the version as literals, which a version bump in project() would leave behind.
    local rc="$source/app/quorvis.rc" status=0 line
    for line in "FILEVERSION ${version//./,},0" "PRODUCTVERSION ${version//./,},0" \
        "VALUE \"FileVersion\", \"$version\"" "VALUE \"ProductVersion\", \"$version\""; do
        grep -Eq "^ *$line\$" "$rc" || { echo "no '$line' in app/quorvis.rc"; status=1; }
    done
    return $status
}
check "the Windows version resource carries the project's version" windows_resource_carries_the_project_version

finish
