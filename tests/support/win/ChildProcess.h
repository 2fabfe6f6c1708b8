// A program started from a folder and watched from outside: its process id, its
// end, and an end by force if a test leaves it running.
#pragma once

#include <windows.h>

#include <string>

class ChildProcess {
public:
    // Starts folder\exe in that folder with the argument text (in the ANSI code
    // page). SW_SHOWDEFAULT leaves the showing of its first window to the program.
    ChildProcess(const std::string& folder, const std::string& exe,
                 const std::string& arguments = "", WORD showCommand = SW_SHOWDEFAULT);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return m_info.hProcess != nullptr; }
    DWORD Id() const { return m_info.dwProcessId; }
    // GetTickCount() just before it was started
    DWORD StartTick() const { return m_startTick; }
    // ends the process at once, if it still runs, and waits until it has gone
    void Terminate();
    bool Running() const;
    // Waits for it to end while this thread's messages flow; true if it has (or never started).
    bool WaitForExit(DWORD timeoutMs) const;
    // its exit code once it has ended (STILL_ACTIVE before)
    DWORD ExitCode() const;

private:
    PROCESS_INFORMATION m_info = {};
    DWORD m_startTick = 0;
};
