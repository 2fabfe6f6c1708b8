#include "StartFacts.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "Log.h"
#include "PlatformApp.h"

namespace {

// The version the system reports to what asks its kernel directly: the public call
// reports an older one to programs that do not declare the newest systems.
std::string WindowsVersionText() {
    HMODULE hNtdll = ::GetModuleHandleA("ntdll.dll");
    FARPROC pGetVersion = hNtdll ? ::GetProcAddress(hNtdll, "RtlGetVersion") : nullptr;
    OSVERSIONINFOEXW info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    auto pfn =
        reinterpret_cast<LONG(WINAPI*)(OSVERSIONINFOEXW*)>(reinterpret_cast<void*>(pGetVersion));
    if (!pfn || pfn(&info) != 0) return "unknown";
    char text[96];
    std::snprintf(text, sizeof(text), "%lu.%lu build %lu service pack %u", info.dwMajorVersion,
                  info.dwMinorVersion, info.dwBuildNumber, info.wServicePackMajor);
    std::string result = text;
    FARPROC pWineVersion = ::GetProcAddress(hNtdll, "wine_get_version");
    if (auto pfnWine =
            reinterpret_cast<const char*(CDECL*)()>(reinterpret_cast<void*>(pWineVersion))) {
        result += std::string(" (Wine ") + pfnWine() + ")";
    }
    return result;
}

BOOL CALLBACK LogMonitor(HMONITOR hMonitor, HDC, LPRECT, LPARAM) {
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (!::GetMonitorInfoA(hMonitor, &info)) return TRUE;
    const RECT& m = info.rcMonitor;
    const RECT& w = info.rcWork;
    LogEvent("monitor", "%ldx%ld at %ld,%ld, work area %ldx%ld at %ld,%ld%s", m.right - m.left,
             m.bottom - m.top, m.left, m.top, w.right - w.left, w.bottom - w.top, w.left, w.top,
             (info.dwFlags & MONITORINFOF_PRIMARY) ? ", primary" : "");
    return TRUE;
}

// The screen as the launcher sees it and as the system drives it: a system that
// scales the launcher's windows reports a smaller screen to it than the desktop's.
void LogScreen() {
    HDC hScreen = ::GetDC(nullptr);
    if (!hScreen) return;
    LogEvent("screen", "%dx%d, desktop %dx%d, %d dpi, %d monitors", ::GetSystemMetrics(SM_CXSCREEN),
             ::GetSystemMetrics(SM_CYSCREEN), ::GetDeviceCaps(hScreen, DESKTOPHORZRES),
             ::GetDeviceCaps(hScreen, DESKTOPVERTRES), ::GetDeviceCaps(hScreen, LOGPIXELSX),
             ::GetSystemMetrics(SM_CMONITORS));
    ::ReleaseDC(nullptr, hScreen);
    ::EnumDisplayMonitors(nullptr, nullptr, &LogMonitor, 0);
}

}  // namespace

void LogStartFacts(bool bOtherLauncher) {
    char module[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, module, sizeof(module));
    char current[MAX_PATH] = {};
    ::GetCurrentDirectoryA(sizeof(current), current);
    LogEvent("start", "version %s, Windows %s, code page %u, another launcher running: %s",
             GetProductVersionText().GetString(), WindowsVersionText().c_str(), ::GetACP(),
             bOtherLauncher ? "yes" : "no");
    LogEvent("start", "launcher %s, working folder %s", module, current);
    LogScreen();
}
