#!/usr/bin/env bash
# Runs a cross-built Windows test program under Wine: the Windows build's CMAKE_CROSSCOMPILING_EMULATOR.
# Wine hands no QT_* variable to the program, but hands WINEQT_* ones over without their WINE prefix. The
# prefix, the DLL path and the rest of Wine's settings come from the caller (scripts/windows.sh).
set -euo pipefail
for name in $(compgen -e); do
    if [[ $name == QT_* ]]; then
        export "WINE$name=${!name}"
    fi
done
# Without a console of their own, Qt's messages would go to the Windows debugger channel, which Wine drops.
export WINEQT_FORCE_STDERR_LOGGING=1
# The zone files lie beside the program (bin/zoneinfo), where the installed program finds them itself; a test
# that names other zone files keeps them.
if [ -z "${TZDIR:-}" ]; then
    export TZDIR="Z:$(dirname "$(realpath "$1")" | tr / '\\')\\zoneinfo"
fi
# Windows ends printed lines with CR LF; CTest (and its GoogleTest discovery, which reads the test names) wants
# LF alone.
wine "$@" | tr -d '\r'
