// Holds what a person's other programs hold while the installer runs, until it is killed, for
// check_installer.sh:
//   hold.exe marker NAME   the running-copy marker's name, so that opening it as the mutex fails with an error
//                          other than "not found", as it fails with "access denied" for a copy run as
//                          administrator. (Wine enforces no DACL on a mutex, so an event of that name stands
//                          in: opening it as a mutex fails with "invalid handle".)
//   hold.exe file PATH     PATH open without sharing, as a program that uses the file keeps it: it cannot be
//                          deleted
// It prints "held" once it holds it, and ends with status 1 if it cannot.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>

int main()
{
    int argc = 0;
    wchar_t **argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argc != 3)
        return 2;
    const std::wstring what = argv[1];
    HANDLE held = nullptr;
    if (what == L"marker") {
        held = CreateEventW(nullptr, TRUE, FALSE, argv[2]);
        // (One that already exists is not this program's to hold.)
        if (held && GetLastError() == ERROR_ALREADY_EXISTS)
            return 1;
    } else if (what == L"file") {
        held = CreateFileW(argv[2], GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (held == INVALID_HANDLE_VALUE)
            held = nullptr;
    }
    if (!held)
        return 1;
    std::puts("held");
    std::fflush(stdout);
    Sleep(INFINITE);
}
