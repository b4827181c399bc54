#!/usr/bin/env bash
# Installs the Debian packages Quorvis needs to build, run and test, when any is missing.
# Sourced by run.sh and test.sh; uses sudo when not run as root.
set -euo pipefail

QUORVIS_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
    libgtest-dev
    xvfb xauth x11-utils x11-xkb-utils xdotool xclip
    fonts-dejavu-core fonts-dejavu-extra fonts-liberation2
    desktop-file-utils appstream dpkg-dev file lintian
    liberfa-dev qt6-svg-dev libabsl-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libtimezonemap-data libgeonames-common swetest python3 tzdata poppler-utils
    at-spi2-core dbus-x11 python3-gi gir1.2-atspi-2.0 openbox
)

# What scripts/windows.sh needs on top: the mingw-w64 cross compilers (posix threads), the tools to unpack and
# build Debian's source packages of Qt, ERFA and Abseil, Wine to run the tests, NSIS for the installer,
# osslsigncode to sign it when a certificate is given, and ImageMagick for the screenshots.
QUORVIS_WINDOWS_PACKAGES=(
    gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-tools
    dpkg-dev autoconf automake libtool perl
    wine wine64 nsis osslsigncode imagemagick
)

quorvis_install_deps() {
    local missing=()
    local pkg
    for pkg in "${QUORVIS_PACKAGES[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    if ((${#missing[@]} == 0)); then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null 2>&1; then
            echo "error: these packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
            exit 1
        fi
        sudo=(sudo)
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q -o DPkg::Lock::Timeout=600 --no-install-recommends "${missing[@]}"
}
