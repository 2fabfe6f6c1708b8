// The launcher started from an install folder, watched from outside: its process
// and its main window. Ended by force if a test leaves it running, and so is the
// game it started, which would otherwise outlive the test holding its output open.
#pragma once

#include <windows.h>

#include <string>

#include "ChildProcess.h"

class LauncherProcess : public ChildProcess {
public:
    explicit LauncherProcess(const std::string& folder, const std::string& arguments = "");
    ~LauncherProcess();

    // the launcher's main window, waiting for it to appear; null if none came
    HWND WaitForWindow(DWORD timeoutMs = 20000);
    HWND Window() const { return m_hWnd; }

    // Ends every running Orbavel.exe started by the process parentId, or every one
    // for 0.
    static void EndGames(DWORD parentId = 0);

private:
    HWND m_hWnd = nullptr;
};
