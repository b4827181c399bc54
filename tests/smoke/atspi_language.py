#!/usr/bin/python3
"""The window and quorvis-exact speak the same language in the same environment: for each environment, the real
program is started and its main window read over AT-SPI (the Exit button's name), and quorvis-exact is run with
the same variables (the caption of the local time). Both must be the expected language's, from its .ts file.

Usage: atspi_language.py PROGRAM TOOL TRANSLATIONS_DIR"""
import os
import subprocess
import sys
import time
import xml.etree.ElementTree as ET

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

program, tool, folder = sys.argv[1:4]
ENVIRONMENTS = [  # (locale variables, the language both must speak)
    ({"LANG": "C.UTF-8", "LANGUAGE": "de"}, "de"),
    ({"LANG": "de_DE.UTF-8", "LANGUAGE": "nl"}, "en"),
    ({"LANGUAGE": "nl:ru"}, "ru"),
    ({"LANG": "pt_PT.UTF-8"}, "pt_BR"),
    ({"LANG": "de_AT.UTF-8"}, "de"),
]


def translation(language, context, source):
    if language == "en":
        return source
    root = ET.parse(os.path.join(folder, f"quorvis_{language}.ts")).getroot()
    for c in root.iter("context"):
        if c.findtext("name") == context:
            for m in c.iter("message"):
                if m.findtext("source") == source:
                    return m.findtext("translation")
    raise SystemExit(f"FAIL: {language} has no {context} {source!r}")


def children(node):
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield child


def names(node):
    yield node.get_name()
    for child in children(node):
        yield from names(child)


def window_names(pid):
    end = time.monotonic() + 60
    while time.monotonic() < end:
        for app in children(Atspi.get_desktop(0)):
            if app.get_process_id() == pid:
                app.set_cache_mask(Atspi.Cache.NONE)
                found = [n for w in children(app) for n in names(w)]
                if any(found):
                    return found
        time.sleep(0.2)
    return []


failed = False
for variables, language in ENVIRONMENTS:
    env = {k: v for k, v in os.environ.items() if k not in ("LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_NUMERIC", "LANG")}
    env.update(variables)
    said = " ".join(f"{k}={v}" for k, v in variables.items())
    exit_button = translation(language, "frmMain", "&Exit").replace("&", "")
    process = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        shown = window_names(process.pid)
    finally:
        process.kill()
        process.wait()
    caption = translation(language, "ExactCommandLine", "Local time:")
    printed = subprocess.run([tool, "--lat", "51.5", "--lon", "-0.13", "--zone", "Europe/London", "--date",
                              "1990-08-01", "--time", "10:30"], env=env, capture_output=True, text=True).stdout
    window_ok = exit_button in shown
    tool_ok = any(line.startswith(caption) for line in printed.splitlines())
    print(f"{'ok' if window_ok and tool_ok else 'FAIL'}: {said}: window {'speaks' if window_ok else 'does not speak'}"
          f" {language}, quorvis-exact {'speaks' if tool_ok else 'does not speak'} {language}")
    failed = failed or not (window_ok and tool_ok)
sys.exit(1 if failed else 0)
