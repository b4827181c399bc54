// What each of the two programs does first in main(), before Qt or the zone library start, and how they write
// text to a console. On Windows only; elsewhere the first is nothing and the second writes the bytes.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace quorvis::platform {

// Everywhere: the zone files named by QUORVIS_ZONEINFO, when it is set, become the zone library's TZDIR (the
// tests name their zone files so, whatever TZDIR the machine has).
// On Windows, besides: otherwise points the zone library at the zoneinfo folder beside the program through TZDIR
// (a TZDIR already set is kept only if it holds a tz database, tzdata.zi among its files), and takes the
// running-copy marker, a named mutex that the installer and the uninstaller look for. The system drops the
// marker when the process ends, a crash included.
void PrepareProcess();

// The program's own variable naming the zone files to read.
inline constexpr char ZoneFilesVariable[] = "QUORVIS_ZONEINFO";

// The running-copy marker's name; packaging/windows/quorvis.nsi asks for the same one.
inline constexpr wchar_t RunningMarkerName[] = L"Local\\Pellmark.Quorvis.Running";

// Writes UTF-8 text to stdout or stderr and flushes it: to a Windows console as UTF-16 (WriteConsoleW), so that
// it shows the same characters whatever the console's code page; to a pipe or a file, and everywhere else, as
// the bytes. Empty when every character was written; else why not, in the system's words ("No space left on
// device").
std::string WriteText(std::FILE *stream, std::string_view utf8);

} // namespace quorvis::platform
