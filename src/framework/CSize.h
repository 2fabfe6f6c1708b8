// A size in pixels, interchangeable with SIZE.
#pragma once

#include <windows.h>

class CSize : public SIZE {
public:
    CSize() : SIZE{0, 0} {}
    CSize(int cxIn, int cyIn) : SIZE{cxIn, cyIn} {}
    CSize(const SIZE& size) : SIZE(size) {}  // NOLINT: interchangeable with SIZE
};
