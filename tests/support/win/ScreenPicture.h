// The pixels of a picture, read from the screen or from a bitmap, as 0x00RRGGBB
// words row by row from the top: for comparing what a program showed or copied.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct ScreenPicture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    // the screen's rectangle as it shows now
    static ScreenPicture FromScreen(const RECT& rect) { return FromWindow(nullptr, rect); }
    // the rectangle of a window's client area as it shows now
    static ScreenPicture FromWindow(HWND hWnd, const RECT& rect);
    // a window's whole client area once it has painted again, erased first
    static ScreenPicture Repainted(HWND hWnd);
    // a device-dependent bitmap's pixels; empty for no or a broken bitmap
    static ScreenPicture FromBitmap(HBITMAP hBitmap);

    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    // the pixel in the order of RGB(), for comparing with a COLORREF
    COLORREF Colour(int x, int y) const {
        const uint32_t p = At(x, y);
        return RGB(p >> 16, p >> 8, p);
    }
    ScreenPicture Crop(const RECT& rect) const;
    // where the two differ first, as "x,y: a vs b", or empty when equal
    std::string FirstDifference(const ScreenPicture& other) const;
};
