// The device context of a window's client area (or of the screen, for no
// window), released when it goes out of scope.
#pragma once

#include <windows.h>

class CClientDC {
public:
    explicit CClientDC(HWND hWnd) : m_hWnd(hWnd), m_hDC(::GetDC(hWnd)) {}
    ~CClientDC() {
        if (m_hDC) ::ReleaseDC(m_hWnd, m_hDC);
    }
    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;

    operator HDC() const { return m_hDC; }  // NOLINT

private:
    HWND m_hWnd;
    HDC m_hDC;
};
