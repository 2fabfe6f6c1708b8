// A known picture on the screen: a topmost popup painted with a pattern in which
// every pixel tells where it is, so that a copy from the wrong place shows.
#pragma once

#include <windows.h>

#include <cstdint>

class PatternWindow {
public:
    // covers rect of the screen; seed varies the pattern
    PatternWindow(const RECT& rect, int seed);
    ~PatternWindow();
    PatternWindow(const PatternWindow&) = delete;
    PatternWindow& operator=(const PatternWindow&) = delete;

    HWND Handle() const { return m_hWnd; }
    // brings it above every other topmost window, without taking the keyboard
    void RaiseWithoutActivating();
    // the pattern's colour at a screen point, as 0x00RRGGBB
    static uint32_t Colour(int x, int y, int seed);

private:
    static LRESULT CALLBACK WndProc(HWND, UINT, WPARAM, LPARAM);
    void Paint();

    HWND m_hWnd = nullptr;
    RECT m_rect;
    int m_seed;
};
