#include "Process.h"

#include <cerrno>
#include <cstring>
#include <cstdlib>

#ifdef _WIN32
#include <windows.h>

#include <algorithm>
#include <io.h>
#include <string>
#endif

namespace quorvis::platform {

#ifdef _WIN32
namespace {

std::wstring ProgramFolder()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0)
            return {};
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of(L"\\/"));
}

// The narrow spelling of a path in the process's code page, or nothing if some character has none.
std::string NarrowPath(const std::wstring &path)
{
    const int length = static_cast<int>(path.size());
    BOOL lossy = FALSE;
    const UINT codePage = GetACP();
    // (WideCharToMultiByte takes no "used default" flag for UTF-8, which spells everything.)
    BOOL *check = codePage == CP_UTF8 ? nullptr : &lossy;
    const int size = WideCharToMultiByte(codePage, 0, path.data(), length, nullptr, 0, nullptr, check);
    if (size <= 0 || lossy)
        return {};
    std::string narrow(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(codePage, 0, path.data(), length, narrow.data(), size, nullptr, nullptr);
    return narrow;
}

// A TZDIR that holds a tz database: its tzdata.zi, which every complete copy of the compiled zones carries.
bool HoldsZoneFiles(const char *folder)
{
    if (!folder || !*folder)
        return false;
    const std::string index = std::string(folder) + "\\tzdata.zi";
    std::FILE *file = std::fopen(index.c_str(), "rb");
    if (!file)
        return false;
    std::fclose(file);
    return true;
}

// The zone library opens its files with the C library's narrow functions. With the manifest's UTF-8 code page
// (Windows 10 1903 and later) any folder has a narrow name; before that, a folder named outside the ANSI code
// page (a user name such as Łukasz under %LOCALAPPDATA%) is reached by its short 8.3 name, which is ASCII.
// A TZDIR that some other program left in the person's environment is used only when it holds a tz database;
// anything else there (an empty or stale folder, a Unix path) would leave every zone unknown.
void PointZoneLibraryAtZoneFiles()
{
    if (const char *chosen = std::getenv(ZoneFilesVariable); chosen && *chosen) {
        _putenv_s("TZDIR", chosen);
        return;
    }
    if (HoldsZoneFiles(std::getenv("TZDIR")))
        return;
    const std::wstring folder = ProgramFolder() + L"\\zoneinfo";
    std::string narrow = NarrowPath(folder);
    if (narrow.empty()) {
        std::wstring shortName(MAX_PATH, L'\0');
        const DWORD n = GetShortPathNameW(folder.c_str(), shortName.data(), static_cast<DWORD>(shortName.size()));
        if (n > 0 && n < shortName.size()) {
            shortName.resize(n);
            narrow = NarrowPath(shortName);
        }
    }
    if (!narrow.empty())
        _putenv_s("TZDIR", narrow.c_str());
}

} // namespace

void PrepareProcess()
{
    PointZoneLibraryAtZoneFiles();
    // Held, never closed: it goes with the process.
    CreateMutexW(nullptr, FALSE, RunningMarkerName);
}

namespace {

// The system's sentence for an error of the Windows API, as UTF-8 without its line break.
std::string SystemMessage(DWORD error)
{
    wchar_t *text = nullptr;
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                       FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, error, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    std::wstring wide(text ? text : L"", n);
    LocalFree(text);
    while (!wide.empty() && (wide.back() == L'\n' || wide.back() == L'\r' || wide.back() == L' '))
        wide.pop_back();
    if (wide.empty())
        return "error " + std::to_string(error);
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), size, nullptr,
                        nullptr);
    return utf8;
}

} // namespace

std::string WriteText(std::FILE *stream, std::string_view utf8)
{
    const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    if (handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)) {
        const int length = static_cast<int>(utf8.size());
        const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
        std::wstring wide(static_cast<std::size_t>(size), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(), size);
        if (std::fflush(stream) != 0)
            return std::strerror(errno);
        // In pieces, as older consoles take at most 64 KiB a call; never between the halves of a pair.
        constexpr std::size_t Piece = 8192;
        for (std::size_t at = 0; at < wide.size();) {
            std::size_t n = std::min(Piece, wide.size() - at);
            if (at + n < wide.size() && IS_HIGH_SURROGATE(wide[at + n - 1]))
                --n;
            DWORD written = 0;
            if (!WriteConsoleW(handle, wide.data() + at, static_cast<DWORD>(n), &written, nullptr))
                return SystemMessage(GetLastError());
            if (written == 0)
                return SystemMessage(ERROR_WRITE_FAULT);
            at += written;
        }
        return {};
    }
    if (std::fwrite(utf8.data(), 1, utf8.size(), stream) != utf8.size() || std::fflush(stream) != 0)
        return std::strerror(errno);
    return {};
}

#else

void PrepareProcess()
{
    if (const char *chosen = std::getenv(ZoneFilesVariable); chosen && *chosen)
        setenv("TZDIR", chosen, 1);
}

std::string WriteText(std::FILE *stream, std::string_view utf8)
{
    if (std::fwrite(utf8.data(), 1, utf8.size(), stream) != utf8.size() || std::fflush(stream) != 0)
        return std::strerror(errno);
    return {};
}

#endif

} // namespace quorvis::platform
