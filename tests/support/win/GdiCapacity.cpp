#include "GdiCapacity.h"

#include <windows.h>

#include <vector>

int FreeGdiCapacity() {
    std::vector<HBRUSH> brushes;
    brushes.reserve(70000);
    while (brushes.size() < 200000) {
        HBRUSH hBrush = ::CreateSolidBrush(RGB(1, 2, 3));
        if (!hBrush) break;
        brushes.push_back(hBrush);
    }
    for (HBRUSH hBrush : brushes) ::DeleteObject(hBrush);
    return static_cast<int>(brushes.size());
}
