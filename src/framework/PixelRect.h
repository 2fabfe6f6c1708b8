// A rectangle in pixels as the portable geometry computes it: right and bottom
// lie outside it, as in RECT, and it may be inverted (right < left or bottom < top).
// Portable: no <windows.h>; the Windows side takes it as a RECT through ToRECT.
#pragma once

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    // the same rectangle with left <= right and top <= bottom
    PixelRect Normalized() const {
        return {left < right ? left : right, top < bottom ? top : bottom,
                left < right ? right : left, top < bottom ? bottom : top};
    }
    PixelRect Inflated(int n) const { return {left - n, top - n, right + n, bottom + n}; }
    PixelRect Offset(int dx, int dy) const {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }
    // left <= x < right and top <= y < bottom
    bool Contains(int x, int y) const { return left <= x && x < right && top <= y && y < bottom; }
    friend bool operator==(const PixelRect& a, const PixelRect& b) {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
    friend bool operator!=(const PixelRect& a, const PixelRect& b) { return !(a == b); }
};

struct tagRECT;
// the rectangle as a Win32 RECT (Windows builds only)
tagRECT ToRECT(const PixelRect& rect);
