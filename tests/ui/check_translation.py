#!/usr/bin/env python3
"""Checks one translation: complete (lrelease finishes every text), and every text keeps its source's
placeholders (%1, %L1, %n), markup tags and access key.

    check_translation.py LRELEASE quorvis_de.ts

Exits 77 (skipped) for a language that has no translated text at all yet.
"""
import collections
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%L?\d+|%n")
TAG = re.compile(r"<[^>]+>")
ACCESS_KEY = re.compile(r"(?<!&)&(?!&)")


def text_of(element):
    return "".join(element.itertext()) if element is not None else ""


def problems_of(source, translation):
    out = []
    for what, pattern in (("placeholders", PLACEHOLDER), ("tags", TAG)):
        want = collections.Counter(pattern.findall(source))
        have = collections.Counter(pattern.findall(translation))
        if want != have:
            out.append(f"{what} {sorted(want.elements())} became {sorted(have.elements())}")
    if len(ACCESS_KEY.findall(source)) != len(ACCESS_KEY.findall(translation)):
        out.append("the access key is lost or doubled")
    return out


def main(lrelease, ts):
    with open(ts, encoding="utf-8") as f:
        root = ET.fromstring(re.sub(r'<byte value="x([0-9a-fA-F]+)"\s*/>', r"&#x\1;", f.read()))
    problems, finished, total = [], 0, 0
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation.get("type") in ("obsolete", "vanished"):
                continue
            total += 1
            source = text_of(message.find("source"))
            forms = [text_of(f) for f in translation.iter("numerusform")] or [text_of(translation)]
            if translation.get("type") == "unfinished" or not all(forms):
                problems.append(f"{name}: not translated: {source!r}")
                continue
            finished += 1
            for form in forms:
                problems += [f"{name}: {source!r}: {p}" for p in problems_of(source, form)]
    if finished == 0:
        print(f"{ts}: none of its {total} texts is translated yet")
        return 77
    with tempfile.TemporaryDirectory() as out:
        report = subprocess.run([lrelease, ts, "-qm", f"{out}/check.qm"], capture_output=True, text=True)
    said = report.stdout + report.stderr
    if report.returncode != 0 or not re.search(r"\(\d+ finished and 0 unfinished\)", said) or "Ignored" in said:
        problems.append("lrelease: " + said.strip())
    for problem in problems:
        print(problem)
    print(f"{ts}: {finished} of {total} texts translated, {len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
