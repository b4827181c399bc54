#!/usr/bin/env python3
"""Resolves wall times with Python's zoneinfo, as an oracle independent of Qt.

Input lines:  zone year month day hour minute second
Output lines: kind ut0 offset0 abbreviation0 ut1 offset1 abbreviation1 meantimes
  kind is normal, gap or overlap; reading 0 is zoneinfo's fold=0 (the offset before a change), reading 1 its
  fold=1 (the offset after). For a normal time both readings are the same. meantimes lists, comma-separated,
  the zone's local mean time offsets ("LMT") two days either side of the wall time and at it, or "-".
"""
import sys
from datetime import datetime, timezone
from zoneinfo import ZoneInfo

zones = {}
for line in sys.stdin:
    name, *numbers = line.split()
    zone = zones.setdefault(name, ZoneInfo(name))
    readings = []
    for fold in (0, 1):
        local = datetime(*map(int, numbers), tzinfo=zone, fold=fold)
        offset = local.utcoffset()
        seconds = offset.days * 86400 + offset.seconds
        ut = int(local.timestamp())
        back = datetime.fromtimestamp(ut, timezone.utc).astimezone(zone).replace(tzinfo=None)
        readings.append((ut, seconds, local.tzname(), back == local.replace(tzinfo=None, fold=0)))
    (u0, o0, a0, real0), (u1, o1, a1, real1) = readings
    if u0 == u1:
        kind = "normal" if real0 else "gap"
    else:
        kind = "overlap" if real0 and real1 else "gap"
    means = set()
    for probe in (u0 - 2 * 86400, u0, u0 + 2 * 86400):
        try:
            at = datetime.fromtimestamp(probe, timezone.utc).astimezone(zone)
        except (OverflowError, ValueError):
            continue
        if at.tzname() == "LMT":
            offset = at.utcoffset()
            means.add(offset.days * 86400 + offset.seconds)
    print(kind, u0, o0, a0, u1, o1, a1, ",".join(map(str, sorted(means))) or "-")
