#include "GdiCapacity.h"

#include <windows.h>

#include <vector>

int FreeGdiCapacity() {
    std::vector<HBRUSH> brushes;
    brushes.reserve(70000);
    while (HBRUSH hBrush = ::CreateSolidBrush(RGB(1, 2, 3))) {
        brushes.push_back(hBrush);
        if (brushes.size() >= 1000000) break;  // no limit at all: stop somewhere
    }
    for (HBRUSH hBrush : brushes) ::DeleteObject(hBrush);
    return static_cast<int>(brushes.size());
}

namespace {
BOOL CALLBACK CountChild(HWND, LPARAM lParam) {
    ++*reinterpret_cast<int*>(lParam);
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND hWnd, LPARAM lParam) {
    ++*reinterpret_cast<int*>(lParam);
    ::EnumChildWindows(hWnd, &CountChild, lParam);
    return TRUE;
}
}  // namespace

int CountThreadWindows() {
    int count = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CountTopLevel, reinterpret_cast<LPARAM>(&count));
    return count;
}
