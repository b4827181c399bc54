#!/usr/bin/env python3
"""quorvis-exact.exe under Wine against the Linux build's quorvis-exact, both with --json: 200 seeded births
(places of the gazetteer, 1800-2100) and every zone trap of the tests, plus input both must refuse. Exit
status, stderr and every JSON field must be the same, except the angles, which may differ by 1e-9 degree; and
each case must end as expected (every birth and zone trap read, with status 0; the bad input refused, with 2),
so that two builds refusing alike cannot pass.

Usage: compare_exact.py LINUX_EXE WINDOWS_EXE SOURCE_DIR WORK_DIR [--offsets-only]
With --offsets-only every birth gives its clock as --utc-offset instead of --zone.
"""
import json
import random
import re
import shutil
import subprocess
import sys
from pathlib import Path

ANGLES = {"ic", "mc", "asc"}
TOLERANCE = 1e-9


def births(source, offsets_only):
    data = source / "places" / "data"
    zones = (data / "zones.tsv").read_text().split("\n")
    places = [line.split("\t") for line in (data / "places.tsv").read_text().splitlines()]
    rnd = random.Random(20261207)
    for _ in range(200):
        place = rnd.choice(places)
        lat, lon, zone = place[2], place[3], zones[int(place[6])]
        day = rnd.randrange(0, 110_000)  # 1800-01-01 and on
        date = f"{1800 + day // 366:04d}-{1 + day % 366 // 31 % 12:02d}-{1 + day % 31 % 28:02d}"
        time = f"{rnd.randrange(24):02d}:{rnd.randrange(60):02d}"
        if offsets_only:
            quarters = rnd.randrange(-48, 57)
            clock = ["--utc-offset", f"{'+' if quarters >= 0 else '-'}{abs(quarters) // 4:02d}:{abs(quarters) % 4 * 15:02d}"]
        else:
            clock = ["--zone", zone]
        yield 0, ["--lat", lat, "--lon", lon, *clock, "--date", date, "--time", time]


def traps(source):
    """The wall-time traps the places tests name, and the ones of the command-line tests."""
    table = (source / "tests" / "places" / "walltime_test.cpp").read_text()
    row = re.compile(r'row\("[^"]*",\s*"([A-Za-z_/+-]+)",\s*\{(\d+),\s*(\d+),\s*(\d+)\},\s*\{(\d+),\s*(\d+)\}')
    found = [(z, f"{int(y):04d}-{int(m):02d}-{int(d):02d}", f"{int(h):02d}:{int(mi):02d}")
             for z, y, m, d, h, mi in row.findall(table)]
    if len(found) < 10:
        sys.exit(f"only {len(found)} traps found in walltime_test.cpp: has its table changed shape?")
    found += [("America/New_York", "1850-01-01", "00:00"), ("Asia/Manila", "1840-06-01", "12:00"),
              ("Europe/London", "1990-08-01", "10:30"), ("Europe/London", "1944-06-01", "12:00"),
              ("Europe/London", "1970-01-01", "12:00"), ("Asia/Kolkata", "2000-01-01", "12:00")]
    refused = [("Europe/Atlantis", "2000-01-01", "12:00"), ("garbage", "2000-01-01", "12:00")]
    for expected, rows in ((0, found), (2, refused)):
        for zone, date, time in rows:
            yield expected, ["--lat", "48.5", "--lon", "9.25", "--zone", zone, "--date", date, "--time", time]
    yield 2, ["--lat", "10", "--lon", "0", "--utc-offset", "+15:00", "--date", "2000-01-01", "--time", "12:00"]
    yield 2, ["--lat", "91", "--lon", "0", "--zone", "UTC", "--date", "2000-01-01", "--time", "12:00"]


def windows_path(path):
    return "Z:" + str(path).replace("/", "\\")


def differences(linux, windows, path=""):
    if isinstance(linux, dict) and isinstance(windows, dict):
        if linux.keys() != windows.keys():
            return [f"{path}: fields {sorted(linux)} against {sorted(windows)}"]
        return [d for k in linux for d in differences(linux[k], windows[k], f"{path}.{k}")]
    if isinstance(linux, list) and isinstance(windows, list):
        if len(linux) != len(windows):
            return [f"{path}: {len(linux)} entries against {len(windows)}"]
        return [d for i, (a, b) in enumerate(zip(linux, windows)) for d in differences(a, b, f"{path}[{i}]")]
    if path.rsplit(".", 1)[-1] in ANGLES and isinstance(linux, float) and isinstance(windows, float):
        return [] if abs(linux - windows) <= TOLERANCE else [f"{path}: {linux!r} against {windows!r}"]
    return [] if linux == windows and type(linux) is type(windows) else [f"{path}: {linux!r} against {windows!r}"]


def main():
    linux_exe, windows_exe, source, work = sys.argv[1], Path(sys.argv[2]).resolve(), Path(sys.argv[3]), Path(sys.argv[4]).resolve()
    offsets_only = "--offsets-only" in sys.argv[5:]
    cases = list(births(source, offsets_only)) + ([] if offsets_only else list(traps(source)))
    out = work / "exact-compare"
    shutil.rmtree(out, ignore_errors=True)  # nothing of an earlier run may stand in for this one's
    out.mkdir(parents=True)
    # One Wine start for all cases: a batch file runs the program once per case.
    lines = ["@echo off", "cd /d " + windows_path(out)]
    for i, (_, args) in enumerate(cases):
        lines.append(f'"{windows_path(windows_exe)}" {" ".join(args)} --json >"{i}.json" 2>"{i}.err"')
        lines.append(f'echo %ERRORLEVEL% >"{i}.rc"')
    lines.append("exit /b 0")  # the cases' own statuses are in their .rc files
    (out / "cases.bat").write_text("\r\n".join(lines) + "\r\n")
    subprocess.run(["wine", "cmd", "/c", windows_path(out / "cases.bat")], check=True, stdout=subprocess.DEVNULL)
    # Now and then, on a busy machine, Wine's cmd fails to create the process at all and answers for it with
    # its own message and status 9009, which quorvis-exact never uses: the program never ran, so there is no
    # answer of its to compare. Such a case is started again, once, without cmd; anything the program itself
    # answered stands as it is.
    unstarted = [i for i in range(len(cases)) if (out / f"{i}.rc").read_text().strip() == "9009"
                 and (out / f"{i}.err").read_text(encoding="utf-8").startswith("Can't recognize ")]
    for i in unstarted:
        run = subprocess.run(["wine", str(windows_exe), *cases[i][1], "--json"], capture_output=True)
        (out / f"{i}.json").write_bytes(run.stdout)
        (out / f"{i}.err").write_bytes(run.stderr)
        (out / f"{i}.rc").write_text(str(run.returncode))
    if unstarted:
        print(f"{len(unstarted)} case(s) Wine's cmd could not start were started directly")

    failures, statuses = 0, {}
    for i, (expected, args) in enumerate(cases):
        linux = subprocess.run([linux_exe, *args, "--json"], capture_output=True, text=True)
        rc = int((out / f"{i}.rc").read_text().strip())
        stdout = (out / f"{i}.json").read_text(encoding="utf-8").replace("\r\n", "\n")
        stderr = (out / f"{i}.err").read_text(encoding="utf-8").replace("\r\n", "\n")
        if rc != linux.returncode or stderr != linux.stderr:
            problems = [f"exit {linux.returncode} {linux.stderr!r} against exit {rc} {stderr!r}"]
        elif rc != expected:
            problems = [f"both exit {rc} ({stderr.strip()!r}) where {expected} was expected"]
        elif rc != 0:
            problems = []
        else:
            problems = differences(json.loads(linux.stdout), json.loads(stdout))
        status = json.loads(linux.stdout)["status"] if linux.returncode == 0 else f"exit {linux.returncode}"
        statuses[status] = statuses.get(status, 0) + 1
        if problems:
            failures += 1
            print(f"DIFFERENT: {' '.join(args)}\n  " + "\n  ".join(problems[:5]))
    print(f"quorvis-exact, Windows against Linux, {'offsets only' if offsets_only else 'zones'}: "
          f"{len(cases)} cases ({', '.join(f'{v} {k}' for k, v in sorted(statuses.items()))}); "
          f"{len(cases) - failures} identical, {failures} different")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
