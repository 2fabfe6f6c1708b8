#include "PageTestSupport.h"

ErasedPixels::ErasedPixels(HWND hWnd, COLORREF fill) {
    RECT rc = {};
    ::GetClientRect(hWnd, &rc);
    HDC hScreen = ::GetDC(nullptr);
    m_hDC = ::CreateCompatibleDC(hScreen);
    m_hBitmap = ::CreateCompatibleBitmap(hScreen, rc.right, rc.bottom);
    ::ReleaseDC(nullptr, hScreen);
    m_hOld = ::SelectObject(m_hDC, m_hBitmap);
    ::SetBkColor(m_hDC, fill);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
    ::SendMessageA(hWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(m_hDC), 0);
}

ErasedPixels::~ErasedPixels() {
    ::SelectObject(m_hDC, m_hOld);
    ::DeleteObject(m_hBitmap);
    ::DeleteDC(m_hDC);
}

COLORREF ScreenPixel(HWND hWnd, int x, int y) {
    HDC hDC = ::GetDC(hWnd);
    COLORREF c = ::GetPixel(hDC, x, y);
    ::ReleaseDC(hWnd, hDC);
    return c;
}
