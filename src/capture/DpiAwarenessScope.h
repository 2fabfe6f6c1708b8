// The calling thread made per-monitor DPI aware while this object lives, where the
// system has such contexts (Windows 10 on; before that nothing changes). The launcher
// is not DPI aware: on a scaled display it sees a scaled-down screen, and the capture,
// which measures, copies and places in the screen's own pixels, must not.
#pragma once

#include <windows.h>

class DpiAwarenessScope {
public:
    // SetThreadDpiAwarenessContext: takes a context and gives the previous one, or
    // null for a context it does not know
    using SetContextFunc = HANDLE(WINAPI*)(HANDLE);

    // the system's function, looked up at run time; null where there is none
    static SetContextFunc SystemSetContext();

    explicit DpiAwarenessScope(SetContextFunc pfnSetContext = SystemSetContext());
    // the context the thread had before
    ~DpiAwarenessScope();
    DpiAwarenessScope(const DpiAwarenessScope&) = delete;
    DpiAwarenessScope& operator=(const DpiAwarenessScope&) = delete;

private:
    SetContextFunc m_pfnSetContext;
    HANDLE m_hPrevious = nullptr;
};
