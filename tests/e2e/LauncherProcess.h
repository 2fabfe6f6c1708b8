// The launcher started from an install folder, watched from outside: its process,
// its main window and the view inside it. Ended by force if a test leaves it running.
#pragma once

#include <windows.h>

#include <string>

class LauncherProcess {
public:
    LauncherProcess(const std::string& folder, const std::string& arguments = "");
    ~LauncherProcess();
    LauncherProcess(const LauncherProcess&) = delete;
    LauncherProcess& operator=(const LauncherProcess&) = delete;

    bool Started() const { return m_info.hProcess != nullptr; }
    DWORD Id() const { return m_info.dwProcessId; }
    // the launcher's main window, waiting for it to appear; null if none came
    HWND WaitForWindow(DWORD timeoutMs = 20000);
    HWND Window() const { return m_hWnd; }
    bool WaitForExit(DWORD timeoutMs);
    bool Running() const;

    // the top-level windows of a process, of the given class (any if null)
    static HWND FindTopLevel(DWORD processId, const char* className);

private:
    PROCESS_INFORMATION m_info = {};
    HWND m_hWnd = nullptr;
};

// The demo game started in the same way, from the same folder.
class DemoGame {
public:
    explicit DemoGame(const std::string& folder);
    ~DemoGame();
    DemoGame(const DemoGame&) = delete;
    DemoGame& operator=(const DemoGame&) = delete;

    DWORD Id() const { return m_info.dwProcessId; }
    bool WaitForExit(DWORD timeoutMs);

private:
    PROCESS_INFORMATION m_info = {};
};
