#!/usr/bin/env bash
# Signs one Windows program in place with Authenticode (osslsigncode, from Debian), SHA-256: the certificate and
# its key from QUORVIS_SIGN_PKCS12 (a .pfx/.p12 file), its password read from QUORVIS_SIGN_PASSWORD_FILE (when
# set), a time stamp from QUORVIS_SIGN_TIMESTAMP_URL (when set), so that the signature outlives the certificate.
# scripts/windows.sh calls it for the two programs, and makensis (!finalize, !uninstfinalize) for the installer
# and the uninstaller.
# Usage: sign.sh FILE.exe
set -euo pipefail
file="$1"
: "${QUORVIS_SIGN_PKCS12:?names no certificate}"
args=(sign -h sha256 -pkcs12 "$QUORVIS_SIGN_PKCS12" -n Quorvis)
if [ -n "${QUORVIS_SIGN_PASSWORD_FILE:-}" ]; then
    args+=(-readpass "$QUORVIS_SIGN_PASSWORD_FILE")
fi
if [ -n "${QUORVIS_SIGN_TIMESTAMP_URL:-}" ]; then
    args+=(-ts "$QUORVIS_SIGN_TIMESTAMP_URL")
fi
signed="$(mktemp "$(dirname "$file")/.signing-XXXXXX")"
trap 'rm -f "$signed"' EXIT
rm -f "$signed"
osslsigncode "${args[@]}" -in "$file" -out "$signed" >/dev/null
mv -f "$signed" "$file"
