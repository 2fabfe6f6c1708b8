#include "SkinFiles.h"

COLORREF StripColour(int x, int) {
    return x < 200 ? kCellColours[x / 50] : RGB(255, 0, 255);
}
