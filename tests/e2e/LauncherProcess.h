// The launcher started from an install folder, watched from outside: its process
// and its main window. Ended by force if a test leaves it running.
#pragma once

#include <windows.h>

#include <string>

#include "ChildProcess.h"

class LauncherProcess : public ChildProcess {
public:
    explicit LauncherProcess(const std::string& folder, const std::string& arguments = "");

    // the launcher's main window, waiting for it to appear; null if none came
    HWND WaitForWindow(DWORD timeoutMs = 20000);
    HWND Window() const { return m_hWnd; }

private:
    HWND m_hWnd = nullptr;
};
