#!/usr/bin/env bash
# Installs what is missing, builds Quorvis and starts it. Without a display it starts the program on a
# virtual one (Xvfb) and says so.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=deps.sh
source "$root/scripts/deps.sh"
quorvis_install_deps

build="$root/build"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVIS_BUILD_TESTS=OFF
cmake --build "$build" --target quorvis

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found (DISPLAY and WAYLAND_DISPLAY are unset): starting Quorvis on a virtual X display (Xvfb)."
    echo "It runs there until you stop it with Ctrl+C; nothing of it is visible on this machine."
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$build/app/quorvis"
fi
exec "$build/app/quorvis"
