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

finish
