#!/usr/bin/env python3
"""Runs the gazetteer tool on the installed packages and compares its output with the committed files.

Exit status 0: identical; 1: different (the difference is printed); 77: a source package is not installed.
"""
import filecmp
import os
import subprocess
import sys
import tempfile

SOURCES = ["/usr/share/libtimezonemap/ui/cities15000.txt", "/usr/share/locale/de/LC_MESSAGES/geonames.mo"]
FILES = ["places.tsv", "zones.tsv", "divisions.tsv", "countries.tsv", "shown.tsv"]


def main():
    tool, committed = sys.argv[1], sys.argv[2]
    for source in SOURCES:
        if not os.path.exists(source):
            print(f"{source} is not installed: nothing to compare")
            return 77
    with tempfile.TemporaryDirectory() as made:
        subprocess.run([sys.executable, tool, "--out", made], check=True)
        different = [f for f in FILES if not filecmp.cmp(os.path.join(made, f), os.path.join(committed, f), shallow=False)]
        for name in different:
            print(f"{name} differs from what {tool} makes; regenerate it with: {tool} --out {committed}")
            diff = subprocess.run(["diff", os.path.join(committed, name), os.path.join(made, name)],
                                  capture_output=True, text=True, check=False).stdout.splitlines()
            print("\n".join(diff[:40]) + (f"\n... {len(diff) - 40} more lines" if len(diff) > 40 else ""))
        size = sum(os.path.getsize(os.path.join(committed, f)) for f in FILES)
        if size >= 4_000_000:
            print(f"the committed gazetteer is {size} bytes, more than 4 MB")
            return 1
        return 1 if different else 0


if __name__ == "__main__":
    sys.exit(main())
