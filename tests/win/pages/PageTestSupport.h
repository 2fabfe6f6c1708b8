// What the page tests share: GDI+, a host window and pictures made to order (from
// tests/support), and pixels read back.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "CWnd.h"
#include "GdiplusSession.h"
#include "HostWindow.h"
#include "PictureFile.h"

// What a window draws while its background is erased, read from a bitmap of its
// client size first filled with the colour.
class ErasedPixels {
public:
    ErasedPixels(HWND hWnd, COLORREF fill);
    ~ErasedPixels();
    COLORREF At(int x, int y) const { return ::GetPixel(m_hDC, x, y); }

private:
    HDC m_hDC;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
};

// The colour on screen at a point of a window's client area.
COLORREF ScreenPixel(HWND hWnd, int x, int y);
