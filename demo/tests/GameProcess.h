#pragma once

#include <windows.h>

#include <string>

// The demo game started from a scratch folder with a given show command and
// argument text (in the ANSI code page). Ended by force at the end of the
// test if it is still running.
class GameProcess {
public:
    GameProcess(const std::string& exe, const std::string& arguments, WORD showCommand = SW_HIDE);
    ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    DWORD id() const { return info_.dwProcessId; }
    DWORD startTick() const { return startTick_; }
    // The game's top-level window of class QOVEXPLATFORM, or null.
    HWND findWindow() const;
    HWND waitForWindow(DWORD timeoutMs = 15000) const;
    bool waitForExit(DWORD timeoutMs) const;

private:
    PROCESS_INFORMATION info_{};
    DWORD startTick_ = 0;
};
