#include "LauncherProcess.h"

#include "TestSupport.h"

namespace {

PROCESS_INFORMATION Start(const std::string& folder, const std::string& exe,
                          const std::string& arguments) {
    std::string commandLine = "\"" + folder + "\\" + exe + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION info = {};
    if (!::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                          folder.c_str(), &si, &info)) {
        return {};
    }
    return info;
}

void End(PROCESS_INFORMATION& info) {
    if (!info.hProcess) return;
    if (::WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(info.hProcess, 1);
        ::WaitForSingleObject(info.hProcess, 5000);
    }
    ::CloseHandle(info.hThread);
    ::CloseHandle(info.hProcess);
    info = {};
}

bool WaitForProcess(const PROCESS_INFORMATION& info, DWORD timeoutMs) {
    if (!info.hProcess) return true;
    return PumpUntil([&] { return ::WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0; },
                     timeoutMs);
}

}  // namespace

LauncherProcess::LauncherProcess(const std::string& folder, const std::string& arguments)
    : m_info(Start(folder, "Skylark.exe", arguments)) {}

LauncherProcess::~LauncherProcess() {
    End(m_info);
}

namespace {
struct WindowSearch {
    DWORD processId;
    const char* className;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND hWnd, LPARAM lParam) {
    auto* s = reinterpret_cast<WindowSearch*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    char cls[64] = {};
    ::GetClassNameA(hWnd, cls, sizeof(cls));
    if (pid == s->processId && (!s->className || lstrcmpA(cls, s->className) == 0)) {
        s->found = hWnd;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

HWND LauncherProcess::FindTopLevel(DWORD processId, const char* className) {
    WindowSearch search = {processId, className, nullptr};
    ::EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND LauncherProcess::WaitForWindow(DWORD timeoutMs) {
    PumpUntil(
        [&] {
            m_hWnd = FindTopLevel(Id(), "SkylarkFrameWnd");
            return m_hWnd && ::IsWindowVisible(m_hWnd);
        },
        timeoutMs);
    return m_hWnd;
}

bool LauncherProcess::WaitForExit(DWORD timeoutMs) {
    return WaitForProcess(m_info, timeoutMs);
}

bool LauncherProcess::Running() const {
    return m_info.hProcess && ::WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT;
}

DemoGame::DemoGame(const std::string& folder)
    : m_info(Start(folder, "Orbavel.exe", "HideWindows LauncherShellExecuteGame")) {}

DemoGame::~DemoGame() {
    End(m_info);
}

bool DemoGame::WaitForExit(DWORD timeoutMs) {
    return WaitForProcess(m_info, timeoutMs);
}
