#include "LauncherProcess.h"

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
