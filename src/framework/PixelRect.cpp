#include "PixelRect.h"

#include <windows.h>

RECT ToRECT(const PixelRect& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}
