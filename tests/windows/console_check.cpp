// Runs a console program in a console of its own and prints what that console then shows, as UTF-8: what a
// person sees in cmd or PowerShell, where a pipe (which every other test reads) would show the bytes instead.
// Usage: console_check.exe OUT.txt PROGRAM [ARGUMENT...]; the status is the program's.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>

namespace {

std::wstring Quoted(const std::wstring &argument)
{
    std::wstring q = L"\"";
    for (wchar_t c : argument) {
        if (c == L'"')
            q += L'\\';
        q += c;
    }
    return q + L"\"";
}

std::string Utf8(const std::wstring &text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(std::size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

} // namespace

int main()
{
    int argc = 0;
    wchar_t **argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argc < 3) {
        std::fputs("usage: console_check.exe OUT.txt PROGRAM [ARGUMENT...]\n", stderr);
        return 2;
    }
    std::wstring command;
    for (int i = 2; i < argc; ++i)
        command += (i > 2 ? L" " : L"") + Quoted(argv[i]);

    FreeConsole();
    if (!AllocConsole()) {
        std::fprintf(stderr, "console_check: no console (%lu)\n", GetLastError());
        return 3;
    }
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const HANDLE out = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   &inherit, OPEN_EXISTING, 0, nullptr);
    const HANDLE in = CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  &inherit, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in;
    startup.hStdOutput = out;
    startup.hStdError = out;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        std::fprintf(stderr, "console_check: cannot start the program (%lu)\n", GetLastError());
        return 3;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 0;
    GetExitCodeProcess(process.hProcess, &status);

    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (!GetConsoleScreenBufferInfo(out, &info) || info.dwSize.X == 0) {
        std::fputs("console_check: the console has no screen buffer to read (Wine needs a display for one)\n", stderr);
        return 3;
    }
    std::string shown;
    for (SHORT row = 0; row <= info.dwCursorPosition.Y; ++row) {
        std::wstring line(std::size_t(info.dwSize.X), L' ');
        DWORD read = 0;
        ReadConsoleOutputCharacterW(out, line.data(), DWORD(line.size()), COORD{0, row}, &read);
        line.resize(read);
        line.erase(line.find_last_not_of(L' ') + 1);
        shown += Utf8(line) + "\n";
    }
    if (std::FILE *file = _wfopen(argv[1], L"wb")) {
        std::fwrite(shown.data(), 1, shown.size(), file);
        std::fclose(file);
    }
    return int(status);
}
