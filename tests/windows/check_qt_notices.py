#!/usr/bin/env python3
"""qt_notices.py over a small stand-in for Qt's source tarball: it writes the notices when every attribution
Id is shipped or listed as not shipped, and fails, naming the Id, when one is in neither list or a shipped one
is missing.

    check_qt_notices.py packaging/windows/qt_notices.py
"""
import io
import json
import os
import runpy
import subprocess
import sys
import tarfile
import tempfile


def tarball(path, ids):
    with tarfile.open(path, "w:xz") as tar:
        def add(name, text):
            data = text.encode()
            info = tarfile.TarInfo("qt6-base-fixture/" + name)
            info.size = len(data)
            tar.addfile(info, io.BytesIO(data))
        for ident in ids:
            add(f"src/3rdparty/{ident}/LICENSE.txt", f"licence of {ident}")
            add(f"src/3rdparty/{ident}/qt_attribution.json", json.dumps(
                {"Id": ident, "Name": ident, "License": "MIT", "LicenseFile": "LICENSE.txt",
                 "Copyright": f"(c) {ident}"}))
        add("src/3rdparty/freetype/docs/FTL.TXT", "the FreeType License")


def run(script, ids, folder):
    source, out = os.path.join(folder, "qt.tar.xz"), os.path.join(folder, "notices.txt")
    tarball(source, ids)
    return subprocess.run([sys.executable, script, source, out], capture_output=True, text=True), out


def main(script):
    lists = runpy.run_path(script)  # the script's lists, without running its main
    shipped, not_shipped = lists["SHIPPED"], lists["NOT_SHIPPED"]
    every = shipped + sorted(not_shipped)
    failures = []
    with tempfile.TemporaryDirectory() as folder:
        for case, ids, named in (("every Id known", every, None),
                                 ("an Id in neither list", every + ["newcomer"], "newcomer"),
                                 ("a shipped Id missing", every[1:], every[0])):
            report, out = run(script, ids, folder)
            if named is None:
                if report.returncode != 0:
                    failures.append(f"{case}: exit {report.returncode}, {report.stderr.strip()}")
                    continue
                with open(out, encoding="utf-8") as f:
                    written = f.read()
                if any(f"licence of {i}" not in written for i in shipped):
                    failures.append(f"{case}: exit {report.returncode}, {report.stderr.strip()}")
            elif report.returncode == 0 or named not in report.stderr:
                failures.append(f"{case}: exit {report.returncode}, {report.stderr.strip()!r} names no {named}")
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
