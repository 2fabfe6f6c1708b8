#include "LeakCounters.h"

#include <windows.h>

#include <vector>

int FreeGdiCapacity() {
    std::vector<HBRUSH> brushes;
    brushes.reserve(70000);
    while (brushes.size() < 200000) {
        HBRUSH hBrush = ::CreateSolidBrush(RGB(1, 2, 3));
        if (!hBrush) break;
        brushes.push_back(hBrush);
    }
    for (HBRUSH hBrush : brushes) ::DeleteObject(hBrush);
    return static_cast<int>(brushes.size());
}

namespace {

BOOL CALLBACK CountWindow(HWND, LPARAM lParam) {
    ++*reinterpret_cast<int*>(lParam);
    return TRUE;
}

}  // namespace

int ThreadWindowCount() {
    int n = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&n));
    return n;
}
