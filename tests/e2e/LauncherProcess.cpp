#include "LauncherProcess.h"

#include <tlhelp32.h>

#include "MessagePump.h"
#include "ProcessWindow.h"

LauncherProcess::LauncherProcess(const std::string& folder, const std::string& arguments)
    : ChildProcess(folder, "Skylark.exe", arguments) {}

HWND LauncherProcess::WaitForWindow(DWORD timeoutMs) {
    PumpUntil(
        [&] {
            m_hWnd = FindProcessWindow(Id(), "SkylarkFrameWnd");
            return m_hWnd && ::IsWindowVisible(m_hWnd);
        },
        timeoutMs);
    return m_hWnd;
}

// The launcher first: it starts its game once idle, so a game ended while it still
// runs can be followed by one it starts, which would outlive the test.
LauncherProcess::~LauncherProcess() {
    if (!Started()) return;
    Terminate();
    // a game the launcher was starting as it ended can appear a moment after it
    PumpUntil(
        [&] {
            EndGames(Id());
            return false;
        },
        1500);
}

void LauncherProcess::EndGames(DWORD parentId) {
    HANDLE hSnapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (hSnapshot == INVALID_HANDLE_VALUE) return;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof(entry);
    for (BOOL more = ::Process32First(hSnapshot, &entry); more;
         more = ::Process32Next(hSnapshot, &entry)) {
        if (lstrcmpiA(entry.szExeFile, "Orbavel.exe") != 0) continue;
        if (parentId != 0 && entry.th32ParentProcessID != parentId) continue;
        HANDLE hProcess =
            ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, entry.th32ProcessID);
        if (!hProcess) continue;
        ::TerminateProcess(hProcess, 1);
        ::WaitForSingleObject(hProcess, 5000);
        ::CloseHandle(hProcess);
    }
    ::CloseHandle(hSnapshot);
}
