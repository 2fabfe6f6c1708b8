// A plain top-level window for the framework's tests: hidden, of a class of our own.
#pragma once

#include "Afx.h"
#include "CWnd.h"

inline BOOL CreateTestWindow(CWnd& wnd, DWORD dwStyle = WS_OVERLAPPEDWINDOW) {
    return wnd.CreateEx(0, AfxRegisterWndClass(0), "test", dwStyle, CRect(0, 0, 400, 300), nullptr,
                        0);
}
