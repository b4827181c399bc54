#!/usr/bin/env python3
"""Writes the notices of the third-party code inside the Qt that the Windows installer ships.

Usage: qt_notices.py QT_ORIG_TARBALL OUT.txt

Qt names what it carries of others' code in qt_attribution.json files beside that code. This reads them, and
the licence files they name, straight from Debian's qt6-base source tarball, and writes one text with each
component that the shipped DLLs contain (Qt Core, Gui and Widgets, the Windows platform plugin and the JPEG
reader, as scripts/windows.sh configures them): its name, version, copyright and licence texts. A component
listed here that the tarball lacks is an error, so that a new Qt cannot silently drop a notice.
"""
import json
import posixpath
import re
import sys
import tarfile

# By Qt's attribution Id. Left out, as not built for Windows here: Vulkan, OpenGL, D-Bus, network, the
# Android, macOS, X11 and WebAssembly code, forkfd (Unix), pixman (ARM NEON only).
SHIPPED = [
    "libjpeg",  # the JPEG reader (qjpeg.dll): the Independent JPEG Group's software
    "freetype", "freetype-zlib", "freetype-bdf", "freetype-pcf", "grayraster",  # fonts and rasterising
    "harfbuzz-ng", "libpng", "zlib", "md4c", "icc-sRGB-color-profile", "aglfn",
    "smooth-scaling-algorithm", "xserverhelper",
    "doubleconversion", "pcre2", "pcre2-sljit", "tinycbor", "easing", "siphash",
    "unicode-character-database", "unicode-cldr",
    "blake2", "md4", "md5", "rfc6234", "sha1", "sha3_endian", "sha3_keccak",
]
# Licence texts that a licence file refers to rather than holds; we choose the FreeType License (FTL).
REFERRED = {"freetype": ["docs/FTL.TXT"]}
KEEP = re.compile(r"(qt_attribution\.json|.*licen[cs]e.*|copying.*|copyright.*|ftl\.txt)$", re.IGNORECASE)


def main(tarball, out_path):
    files = {}
    with tarfile.open(tarball) as tar:
        for member in tar:
            if member.isfile() and member.size < 200_000 and KEEP.match(posixpath.basename(member.name)):
                # Paths within the source tree, without the tarball's top folder.
                files[member.name.split("/", 1)[1]] = tar.extractfile(member).read().decode("utf-8", "replace")

    entries = {}
    for path, text in files.items():
        if posixpath.basename(path) == "qt_attribution.json" and "/tests/" not in path:
            data = json.loads(text, strict=False)
            for entry in data if isinstance(data, list) else [data]:
                entries[entry["Id"]] = (posixpath.dirname(path), entry)

    missing = [i for i in SHIPPED if i not in entries]
    if missing:
        sys.exit(f"qt_notices.py: no attribution for {', '.join(missing)} in {tarball}")

    out = ["Third-party code inside Qt's DLLs, as Qt's own attribution files list it", "=" * 72, ""]
    for ident in SHIPPED:
        folder, e = entries[ident]
        out += [f"{e['Name']} {e.get('Version', '')}".rstrip(), "-" * 72]
        for key in ("Description", "QtUsage", "Homepage", "License"):
            if e.get(key):
                out.append(f"{key}: {' '.join(e[key].split())}")
        if e.get("Copyright"):
            out += ["", e["Copyright"].strip()]
        names = e.get("LicenseFiles") or ([e["LicenseFile"]] if e.get("LicenseFile") else [])
        if e.get("CopyrightFile"):
            names = [e["CopyrightFile"]] + names
        names += REFERRED.get(ident, [])
        for name in names:
            path = posixpath.normpath(posixpath.join(folder, name))
            if path not in files:
                sys.exit(f"qt_notices.py: {ident} names {path}, which the tarball lacks")
            out += ["", files[path].strip()]
        out += ["", ""]
    with open(out_path, "w", encoding="utf-8", newline="\r\n") as f:
        f.write("\n".join(out))


if __name__ == "__main__":
    main(*sys.argv[1:])
