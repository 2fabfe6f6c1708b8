#include "GdiCapacity.h"

GdiShortage::GdiShortage(int nLeft) {
    m_brushes.reserve(70000);
    while (HBRUSH hBrush = ::CreateSolidBrush(RGB(1, 2, 3))) {
        m_brushes.push_back(hBrush);
        if (m_brushes.size() >= 1000000) break;  // no limit at all: stop somewhere
    }
    for (; nLeft > 0 && !m_brushes.empty(); nLeft--) {
        ::DeleteObject(m_brushes.back());
        m_brushes.pop_back();
    }
}

GdiShortage::~GdiShortage() {
    for (HBRUSH hBrush : m_brushes) ::DeleteObject(hBrush);
}

int FreeGdiCapacity() {
    return GdiShortage(0).Taken();
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
