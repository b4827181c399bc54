#!/usr/bin/env python3
"""Writes the notices of the third-party code inside the Qt that the Windows installer ships.

Usage: qt_notices.py QT_ORIG_TARBALL OUT.txt

Qt names what it carries of others' code in qt_attribution.json files beside that code. This reads them, and
the licence files they name, straight from Debian's qt6-base source tarball, and writes one text with each
component that the shipped DLLs contain (Qt Core, Gui, Widgets and Print Support, the Windows platform plugin and the JPEG
reader, as scripts/windows.sh configures them): its name, version, copyright and licence texts.

Every attribution Id in the tarball is either shipped (SHIPPED) or listed as not shipped with the reason
(NOT_SHIPPED); an Id in neither, or in both, is an error, as is a shipped one the tarball lacks: a new Qt can
neither drop a notice nor bring in code that nobody has looked at.
"""
import json
import posixpath
import re
import sys
import tarfile

# By Qt's attribution Id.
SHIPPED = [
    "libjpeg",  # the JPEG reader (qjpeg.dll): the Independent JPEG Group's software
    "freetype", "freetype-zlib", "freetype-bdf", "freetype-pcf", "grayraster",  # fonts and rasterising
    "harfbuzz-ng", "libpng", "zlib", "md4c", "icc-sRGB-color-profile", "aglfn",
    "smooth-scaling-algorithm", "xserverhelper", "webgradients",
    "doubleconversion", "pcre2", "pcre2-sljit", "tinycbor", "easing", "siphash",
    "unicode-character-database", "unicode-cldr",
    "blake2", "md4", "md5", "rfc6234", "sha1", "sha3_endian", "sha3_keccak",
]
NOT_SHIPPED = {
    "VulkanMemoryAllocator": "Vulkan is not built for Windows here",
    "vulkan-xml-spec": "Vulkan is not built for Windows here",
    "opengl-headers": "OpenGL is not built for Windows here",
    "opengl-es2-headers": "OpenGL is not built for Windows here",
    "libdbus-1-headers": "D-Bus is not built for Windows here",
    "libpsl": "Qt Network is not shipped",
    "psl": "Qt Network is not shipped",
    "forkfd": "Unix only",
    "pixman": "ARM NEON only",
    "xcb-xinput": "the X11 platform plugin only",
    "cocoa-platform-plugin": "macOS only",
    "qeventdispatcher_cf": "macOS and iOS only",
    "android-gradle-wrapper": "Android only",
    "android-native-style": "Android only",
    "dejayvu": "WebAssembly only",
    "vera_font": "WebAssembly only",
    "cycle": "Qt Test, which is not shipped",
    "linuxperf": "Qt Test, which is not shipped",
    "valgrind": "Qt Test, which is not shipped",
    "catch2": "Qt's own tests, which are not built",
    "extra-cmake-modules": "CMake files used while Qt is built, not part of it",
    "kwin": "CMake files used while Qt is built, not part of it",
}
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

    entries, every = {}, set()
    for path, text in files.items():
        if posixpath.basename(path) == "qt_attribution.json":
            data = json.loads(text, strict=False)
            for entry in data if isinstance(data, list) else [data]:
                every.add(entry["Id"])
                if "/tests/" not in path:
                    entries[entry["Id"]] = (posixpath.dirname(path), entry)

    problems = [f"no attribution for {i} in {tarball}" for i in SHIPPED if i not in entries]
    problems += [f"{i} is listed both as shipped and as not shipped" for i in SHIPPED if i in NOT_SHIPPED]
    problems += [f"{i} is neither shipped nor listed as not shipped with a reason (in {tarball})"
                 for i in sorted(every - set(SHIPPED) - set(NOT_SHIPPED))]
    if problems:
        sys.exit("qt_notices.py: " + "\nqt_notices.py: ".join(problems))

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
