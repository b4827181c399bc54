#!/usr/bin/env python3
"""Lists the failed tests of a ctest JUnit report whose only fault is LeakSanitizer's own tracer crash.

LeakSanitizer's end-of-process scan can crash in its tracer thread ("Tracer caught signal"), which says
nothing about the program under test. A failed test whose output carries that message is printed, one name a
line, for a single rerun; any other failure is printed to stderr and makes the exit status 1.

    ctest-tracer-retry.py REPORT.xml
"""
import sys
import xml.etree.ElementTree as ET

TRACER_MESSAGE = "Tracer caught signal"


def main(report: str) -> int:
    real = []
    for case in ET.parse(report).getroot().iter("testcase"):
        if case.get("status") in ("run", "notrun", "disabled") or case.find("failure") is None:
            continue
        output = "".join(node.text or "" for node in case.iter() if node.tag in ("system-out", "failure"))
        if TRACER_MESSAGE in output:
            print(case.get("name"))
        else:
            real.append(case.get("name"))
    for name in real:
        print(f"failed: {name}", file=sys.stderr)
    return 1 if real else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
