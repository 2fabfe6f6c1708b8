#include "ChildProcess.h"

#include "MessagePump.h"

ChildProcess::ChildProcess(const std::string& folder, const std::string& exe,
                           const std::string& arguments, WORD showCommand) {
    const std::string path = folder + "\\" + exe;
    std::string commandLine = "\"" + path + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    if (showCommand != SW_SHOWDEFAULT) {
        si.dwFlags = STARTF_USESHOWWINDOW;
        si.wShowWindow = showCommand;
    }
    m_startTick = ::GetTickCount();
    if (!::CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                          folder.c_str(), &si, &m_info)) {
        m_info = {};
    }
}

ChildProcess::~ChildProcess() {
    if (!Started()) return;
    Terminate();
    ::CloseHandle(m_info.hThread);
    ::CloseHandle(m_info.hProcess);
}

void ChildProcess::Terminate() {
    if (!Running()) return;
    ::TerminateProcess(m_info.hProcess, 1);
    ::WaitForSingleObject(m_info.hProcess, 5000);
}

bool ChildProcess::Running() const {
    return Started() && ::WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT;
}

DWORD ChildProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (Started()) ::GetExitCodeProcess(m_info.hProcess, &code);
    return code;
}

bool ChildProcess::WaitForExit(DWORD timeoutMs) const {
    if (!Started()) return true;
    return PumpUntil([&] { return ::WaitForSingleObject(m_info.hProcess, 0) == WAIT_OBJECT_0; },
                     timeoutMs);
}
