# shellcheck shell=bash disable=SC2154 # app_id, version and product_site come from the caller
# Checks shared by the install and the package tests: what an installed Quorvis tree must hold and how its
# desktop entry, icons and AppStream metadata must fit together. Sourced; needs app_id, version and
# product_site set by the caller.

icon_sizes=(16 22 24 32 48 64 128 256)
passed=0
failed=0

# check DESCRIPTION FUNCTION ARGS...: runs one check, which prints its reason on failure.
check() {
    local what="$1"
    shift
    local out
    if out="$("$@" 2>&1)"; then
        echo "ok: $what"
        passed=$((passed + 1))
    else
        echo "FAIL: $what"
        # shellcheck disable=SC2001
        [ -n "$out" ] && sed 's/^/    /' <<<"$out"
        failed=$((failed + 1))
    fi
}

finish() {
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}

# The files (not directories) an install under /usr consists of, as relative paths from the root.
expected_files() {
    {
        echo "./usr/bin/quorvis"
        echo "./usr/bin/quorvis-exact"
        echo "./usr/share/doc/quorvis/copyright"
        echo "./usr/share/doc/quorvis/changelog.gz"
        echo "./usr/share/man/man1/quorvis.1.gz"
        echo "./usr/share/man/man1/quorvis-exact.1.gz"
        echo "./usr/share/applications/$app_id.desktop"
        echo "./usr/share/metainfo/$app_id.metainfo.xml"
        local size
        for size in "${icon_sizes[@]}"; do
            echo "./usr/share/icons/hicolor/${size}x${size}/apps/quorvis.png"
        done
    } | LC_ALL=C sort
}

same_lists() { # expected actual
    diff <(echo "$1") <(echo "$2") | sed -n 's/^</missing:/p; s/^>/unexpected:/p' | grep . && return 1
    return 0
}

tree_holds_exactly_the_expected_files() {
    local root="$1"
    same_lists "$(expected_files)" "$(cd "$root" && find . ! -type d | LC_ALL=C sort)"
}

desktop_value() { # file key
    sed -n "s/^$2=//p" "$1" | head -1
}

desktop_entry_is_valid() {
    # Warnings and hints leave the exit status at 0; the entry is to have none of them either.
    local out
    if ! out="$(desktop-file-validate "$1/usr/share/applications/$app_id.desktop" 2>&1)" || [ -n "$out" ]; then
        echo "$out"
        return 1
    fi
}

metainfo_is_valid() {
    appstreamcli validate --no-net "$1/usr/share/metainfo/$app_id.metainfo.xml" &&
        appstreamcli validate-tree --no-net "$1"
}

desktop_entry_runs_the_installed_program() {
    local entry="$1/usr/share/applications/$app_id.desktop"
    local exec
    exec="$(desktop_value "$entry" Exec)"
    [ "$exec" = quorvis ] || { echo "Exec is '$exec'"; return 1; }
    [ -x "$1/usr/bin/$exec" ] || { echo "usr/bin/$exec is not an executable"; return 1; }
    [ "$(desktop_value "$entry" Terminal)" = false ] || { echo "Terminal is not false"; return 1; }
    [ "$(desktop_value "$entry" Name)" = Quorvis ] || { echo "Name is not Quorvis"; return 1; }
}

icon_is_installed_at_every_size() {
    local icon
    icon="$(desktop_value "$1/usr/share/applications/$app_id.desktop" Icon)"
    local size file status=0
    for size in "${icon_sizes[@]}"; do
        file="$1/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png"
        if [ ! -f "$file" ]; then
            echo "no ${size}x${size} icon named '$icon'"
            status=1
        elif ! file -b "$file" | grep -q "^PNG image data, $size x $size,"; then
            echo "${size}x${size}/apps/$icon.png is $(file -b "$file")"
            status=1
        fi
    done
    return $status
}

metainfo_value() { # file element: text of the first such element on one line
    sed -n "s:.*<$2[^>]*>\([^<]*\)</$2>.*:\1:p" "$1" | head -1
}

metainfo_matches_the_program() {
    local info="$1/usr/share/metainfo/$app_id.metainfo.xml" status=0
    local id launchable image release binary
    id="$(metainfo_value "$info" id)"
    launchable="$(metainfo_value "$info" launchable)"
    image="$(metainfo_value "$info" image)"
    binary="$(metainfo_value "$info" binary)"
    release="$(sed -n 's:.*<release version="\([^"]*\)" date="\([^"]*\)".*:\1 \2:p' "$info" | head -1)"
    [ "$id" = "$app_id" ] || { echo "component id is '$id'"; status=1; }
    [ "$launchable" = "$app_id.desktop" ] || { echo "launchable is '$launchable'"; status=1; }
    [ "$image" = "$product_site/screenshots/main.png" ] || { echo "screenshot is '$image'"; status=1; }
    [ "$binary" = quorvis ] || { echo "provided binary is '$binary'"; status=1; }
    [ "${release%% *}" = "$version" ] || { echo "latest release is '$release', the project is $version"; status=1; }
    grep -q '<developer_name>Pellmark</developer_name>' "$info" || { echo "developer is not Pellmark"; status=1; }
    return $status
}

check_installed_tree() {
    local root="$1"
    check "the tree holds exactly the programs, their manual pages, the copyright and changelog, the desktop entry, metainfo and icons" \
        tree_holds_exactly_the_expected_files "$root"
    check "desktop-file-validate accepts the desktop entry" desktop_entry_is_valid "$root"
    check "appstreamcli accepts the metainfo and the tree" metainfo_is_valid "$root"
    check "the desktop entry starts the installed program" desktop_entry_runs_the_installed_program "$root"
    check "the icon is in the hicolor theme at every size, each of its own size" \
        icon_is_installed_at_every_size "$root"
    check "the metainfo names this program, its desktop entry, screenshot and release" \
        metainfo_matches_the_program "$root"
}
