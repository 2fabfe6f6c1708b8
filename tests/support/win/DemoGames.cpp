#include "DemoGames.h"

#include <windows.h>
#include <tlhelp32.h>

void EndAllDemoGames() {
    HANDLE hSnapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (hSnapshot == INVALID_HANDLE_VALUE) return;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof(entry);
    for (BOOL more = ::Process32First(hSnapshot, &entry); more;
         more = ::Process32Next(hSnapshot, &entry)) {
        if (lstrcmpiA(entry.szExeFile, "Orbavel.exe") != 0) continue;
        HANDLE hProcess =
            ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, entry.th32ProcessID);
        if (!hProcess) continue;
        ::TerminateProcess(hProcess, 1);
        ::WaitForSingleObject(hProcess, 5000);
        ::CloseHandle(hProcess);
    }
    ::CloseHandle(hSnapshot);
}
