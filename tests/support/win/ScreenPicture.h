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
    // a device-dependent bitmap's pixels; empty for no or a broken bitmap
    static ScreenPicture FromBitmap(HBITMAP hBitmap);

    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    ScreenPicture Crop(const RECT& rect) const;
    // where the two differ first, as "x,y: a vs b", or empty when equal
    std::string FirstDifference(const ScreenPicture& other) const;
};
