#include "ScreenPicture.h"

#include <cstdio>
#include <string>

namespace {

ScreenPicture ReadBits(HDC hDC, HBITMAP hBitmap, int width, int height) {
    ScreenPicture picture;
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = width;
    bmi.bmiHeader.biHeight = -height;  // top-down
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    std::vector<uint32_t> bits(static_cast<size_t>(width) * height);
    if (::GetDIBits(hDC, hBitmap, 0, height, bits.data(), &bmi, DIB_RGB_COLORS) != height) {
        return picture;
    }
    for (uint32_t& p : bits) p &= 0xFFFFFF;
    picture.width = width;
    picture.height = height;
    picture.pixels = std::move(bits);
    return picture;
}

}  // namespace

ScreenPicture ScreenPicture::FromWindow(HWND hWnd, const RECT& rect) {
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    HDC hWindow = ::GetDC(hWnd);
    HDC hMem = ::CreateCompatibleDC(hWindow);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hWindow, width, height);
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    ::BitBlt(hMem, 0, 0, width, height, hWindow, rect.left, rect.top, SRCCOPY);
    ::SelectObject(hMem, hOld);
    ScreenPicture picture = ReadBits(hMem, hBitmap, width, height);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMem);
    ::ReleaseDC(hWnd, hWindow);
    return picture;
}

ScreenPicture ScreenPicture::Repainted(HWND hWnd) {
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RECT rc = {};
    ::GetClientRect(hWnd, &rc);
    return FromWindow(hWnd, rc);
}

ScreenPicture ScreenPicture::FromBitmap(HBITMAP hBitmap) {
    BITMAP bm = {};
    if (!hBitmap || !::GetObjectA(hBitmap, sizeof(bm), &bm) || bm.bmWidth <= 0 ||
        bm.bmHeight <= 0) {
        return {};
    }
    HDC hScreen = ::GetDC(nullptr);
    ScreenPicture picture = ReadBits(hScreen, hBitmap, bm.bmWidth, bm.bmHeight);
    ::ReleaseDC(nullptr, hScreen);
    return picture;
}

ScreenPicture ScreenPicture::Crop(const RECT& rect) const {
    ScreenPicture part;
    part.width = rect.right - rect.left;
    part.height = rect.bottom - rect.top;
    for (int y = rect.top; y < rect.bottom; y++) {
        for (int x = rect.left; x < rect.right; x++) part.pixels.push_back(At(x, y));
    }
    return part;
}

std::string ScreenPicture::FirstDifference(const ScreenPicture& other) const {
    char text[96];
    if (width != other.width || height != other.height) {
        std::snprintf(text, sizeof(text), "size %dx%d vs %dx%d", width, height, other.width,
                      other.height);
        return text;
    }
    for (int y = 0; y < height; y++) {
        for (int x = 0; x < width; x++) {
            if (At(x, y) != other.At(x, y)) {
                std::snprintf(text, sizeof(text), "%d,%d: %06X vs %06X", x, y,
                              static_cast<unsigned>(At(x, y)),
                              static_cast<unsigned>(other.At(x, y)));
                return text;
            }
        }
    }
    return "";
}
