#include "PageTestSupport.h"

#include "BmpBuilder.h"

HostWindow::HostWindow(int width, int height) {
    CreateEx(0, "STATIC", "host", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, width, height,
             nullptr, nullptr);
}

std::vector<uint8_t> PictureFile(int width, int height,
                                 const std::function<COLORREF(int x, int y)>& colour) {
    BmpBuilder bmp;
    bmp.width = width;
    bmp.height = -height;  // top-down
    std::vector<uint8_t> file = bmp.File();
    BmpBuilder::Put32(file, 10, 54);  // where the pixels start
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t(3);
    for (int y = 0; y < height; y++) {
        for (int x = 0; x < width; x++) {
            COLORREF c = colour(x, y);
            uint8_t* p = &file[54 + y * stride + x * 3];
            p[0] = GetBValue(c);
            p[1] = GetGValue(c);
            p[2] = GetRValue(c);
        }
    }
    return file;
}

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
